#pragma once

#include <QObject>
#include <QPoint>
#include <QString>
#include <QStringList>

#include "table.h"

namespace corvane {

class Speaker;
class StatusPanels;
class TableScene;
class WindowTable;

// Read Aloud: says what the table shows as it changes: the commentary line (each card played,
// each trick's winner and points, each declaration with its points), the prompts of the status
// line, the card the person receives, and every message with its buttons. What changes within one
// step of the game is said together when the game next pauses; nothing waits for the words.
// Tarvish's cards lying face down are never named.
class TableAnnouncer : public QObject {
    Q_OBJECT

public:
    TableAnnouncer(WindowTable* table, TableScene* scene, StatusPanels* panels, Speaker* speaker);

    // Where the announcements go; the speaker stays its owner's.
    void setSpeaker(Speaker* speaker) { speaker_ = speaker; }

    bool isOn() const { return on_; }
    void setOn(bool on);

    // The keys: the last announcement again, the person's hand, the trick with the up card and
    // trumps, the scores. Silent while Read Aloud is off.
    void repeatLast();
    void readHand();
    void readTrickAndTrumps();
    void readScores();
    // A text of the program's own, such as a hint's reason, said now.
    void announce(const QString& text) { say(text); }

private:
    void queue(const QString& text);
    void flush();
    void say(const QString& text);

    void captionChanged(Control control);
    void statusPanelChanged(int panel);
    void cardMoved(int card, QPoint place);
    void messageShown(const MessageRequest& request);

    TableScene* scene_;
    StatusPanels* panels_;
    Speaker* speaker_;
    bool on_ = false;
    QStringList pending_;
    QString last_;
};

}  // namespace corvane
