#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPoint>

#include <vector>

#include "table.h"

class QEventLoop;
class QWidget;

namespace corvane {

class CardGlide;
class MessageDialog;
class SoundPlayer;
class StatusPanels;
class TableScene;

// The game's table shown in the main window: cards and controls on the scene, the status bar,
// the window caption, the sounds and the message dialog.
//
// Pauses and waits run nested event loops that sleep until the next event or the deadline, so the
// window stays responsive without using the processor. Both end at once when the running hand is
// over or given up, so that a new game or the end of the program never has to wait for an old hand.
// The cards moved before a pause glide to their places during it. Whenever the window lets the
// person see the game (a pause, a wait, a message), the keyboard's card mark is brought up to date.
class WindowTable : public QObject, public Table {
    Q_OBJECT

public:
    // `window` is the main window: it carries the caption and parents the dialogs.
    WindowTable(TableScene* scene, StatusPanels* panels, QWidget* window);
    ~WindowTable() override;

    void SetCardImage(int card, int image) override;
    void MoveCard(int card, int left, int top) override;
    void BringCardToFront(int card) override;
    void SetCardVisible(int card, bool visible) override;
    void SetControlCaption(Control control, const std::string& caption) override;
    void SetControlVisible(Control control, bool visible) override;
    void BringControlToFront(Control control) override;
    void SetStatusPanel(int panel, const std::string& text, int image) override;
    void SetWindowCaption(const std::string& caption) override;
    std::int64_t TickCount() override;
    void ProcessEventsUntil(std::int64_t deadline) override;
    bool WaitForPlayer() override;
    void PlaySound(Sound sound) override;
    int ShowMessage(const MessageRequest& request) override;
    void ShowPlainMessage(const std::string& text) override;
    void WakeWaits() override;
    // Every pause and wait returns now, and so does a message dialog that is open.
    void EndAllWaits() override;

    // How many pauses and waits are running, one inside the other.
    int nestedLoops() const { return static_cast<int>(pauses_.size() + waits_.size()); }
    // Whether cards are on their way to their places.
    bool gliding() const;
    // The game's sounds, and the dialog's ring-out.
    SoundPlayer& sounds() { return *sounds_; }

signals:
    // Before the message dialog opens.
    void messageShown(const corvane::MessageRequest& request);
    // The game has begun to wait for the person.
    void waitStarted();
    // What the table shows has changed: a control's caption or visibility, a status panel, a
    // card sent to `place` (twips).
    void captionChanged(corvane::Control control);
    void controlShownChanged(corvane::Control control, bool visible);
    void statusPanelChanged(int panel);
    void cardMoved(int card, QPoint place);

private:
    // The loop's exit code: 0 when it was quit, -1 when the application is quitting.
    int runLoop(QEventLoop& loop, std::vector<QEventLoop*>& running);

    TableScene* scene_;
    StatusPanels* panels_;
    QWidget* window_;
    CardGlide* glide_;
    SoundPlayer* sounds_;
    MessageDialog* dialog_;
    QElapsedTimer clock_;
    std::vector<QEventLoop*> pauses_;
    std::vector<QEventLoop*> waits_;
};

}  // namespace corvane
