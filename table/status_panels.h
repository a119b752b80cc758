#pragma once

#include <QFrame>
#include <QString>

#include <array>

class QLabel;
class QStatusBar;

namespace corvane {

// The small picture of a status panel, painted from the game's own art so that it is sharp on
// any screen.
class PanelPicture : public QWidget {
    Q_OBJECT

public:
    explicit PanelPicture(QWidget* parent = nullptr);
    int image() const { return image_; }
    void setImage(int image);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int image_ = 0;
};

// One panel of the status bar: a picture and a text.
class StatusPanel : public QFrame {
    Q_OBJECT

public:
    explicit StatusPanel(QWidget* parent = nullptr);
    QString text() const;
    int image() const { return picture_->image(); }
    void set(const QString& text, int image);

private:
    PanelPicture* picture_;
    QLabel* label_;
};

// StatusBar1: panels 1 to 4 with their design texts and tooltips, added to a status bar.
class StatusPanels {
public:
    explicit StatusPanels(QStatusBar* bar);
    StatusPanel* panel(int number) const { return panels_[number]; }

private:
    std::array<StatusPanel*, 5> panels_{};  // 1..4
};

// A short note after the panels that the game can be played from the keyboard; its tooltip
// tells how.
void AddKeyHint(QStatusBar* bar);

}  // namespace corvane
