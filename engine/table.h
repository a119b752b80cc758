#pragma once

#include <cstdint>
#include <string>

namespace corvane {

// The named controls of the table whose caption or visibility the game changes.
enum class Control {
    LblInfo,
    LblStock,
    LblName,
    LblPlayer,
    LblKnock,
    CmdSort,
    LblLastTrickP,
    LblTotTricksP,
    LblLastTrickC,
    LblTotTrickC,
    LblPLast1,
    LblPLast2,
    LblPTot1,
    LblPTot2,
    Lblpname0,
    Lblpname1,
    FramDeclare,
    FramMarriage,
    FramMeldHelp,
};
inline constexpr int ControlCount = static_cast<int>(Control::FramMeldHelp) + 1;

// The control arrays LblPLast(1..2), LblPTot(1..2) and Lblpname(0..1).
inline constexpr Control LblPLast(int player) {
    return player == 1 ? Control::LblPLast1 : Control::LblPLast2;
}
inline constexpr Control LblPTot(int player) {
    return player == 1 ? Control::LblPTot1 : Control::LblPTot2;
}
inline constexpr Control Lblpname(int index) {
    return index == 0 ? Control::Lblpname0 : Control::Lblpname1;
}

enum class Sound { CardDeal, CardDown, Riffle, Knock, Ringout };

// One showing of the game's message dialog.
struct MessageRequest {
    std::string Text;
    std::string Button1;
    std::string Button2;  // empty: no second button
    std::string Button3;  // empty: no third button
    int IconIndex = 3;    // 1 to 3
    std::string Title;
};

// What the game needs from whatever shows the table: a window, or a recorder in tests. The game
// calls it; it never calls back into the game except through the person's click functions.
class Table {
public:
    virtual ~Table() = default;

    // Card pictures, addressed by card index 1..64. Coordinates are twips of the 12888 by 9828
    // table; the image is a picture number (1..64 faces, 65 the back).
    virtual void SetCardImage(int card, int image) = 0;
    virtual void MoveCard(int card, int left, int top) = 0;
    virtual void BringCardToFront(int card) = 0;
    virtual void SetCardVisible(int card, bool visible) = 0;

    virtual void SetControlCaption(Control control, const std::string& caption) = 0;
    virtual void SetControlVisible(Control control, bool visible) = 0;
    virtual void BringControlToFront(Control control) = 0;

    // Panels 1..4 of the status bar; image is a picture number, 0 for none.
    virtual void SetStatusPanel(int panel, const std::string& text, int image) = 0;
    virtual void SetWindowCaption(const std::string& caption) = 0;

    // A millisecond clock that only increases.
    virtual std::int64_t TickCount() = 0;
    // Handles the person's input and repaints until the clock reaches `deadline`, or until the
    // running hand is abandoned, whichever comes first. Returns at once for a deadline reached.
    virtual void ProcessEventsUntil(std::int64_t deadline) = 0;
    // Handles the person's input until one of the person's actions has been carried out (the
    // game then looks at its own flags) or the hand is abandoned. False when no person can act
    // at all, which abandons the hand.
    virtual bool WaitForPlayer() = 0;

    // Starts a sound and returns at once; a sound that cannot play is skipped silently.
    virtual void PlaySound(Sound sound) = 0;
    // Shows the message dialog modally and returns the index (0..2) of the button clicked.
    virtual int ShowMessage(const MessageRequest& request) = 0;
    // A plain message box with an OK button, for situations that cannot arise in play.
    virtual void ShowPlainMessage(const std::string& text) = 0;

    // One of the person's actions has been carried out while the game waits: the wait returns,
    // so that the game looks at its own flags again.
    virtual void WakeWaits() {}
    // The running hand is over or given up: every pause and wait in progress returns now.
    virtual void EndAllWaits() {}
};

// The table of a game that has no table attached: pauses return at once (its clock jumps to their
// deadline), sounds do nothing, every message is answered with its first button, and nobody can
// wait for the person.
class NullTable : public Table {
public:
    void SetCardImage(int, int) override {}
    void MoveCard(int, int, int) override {}
    void BringCardToFront(int) override {}
    void SetCardVisible(int, bool) override {}
    void SetControlCaption(Control, const std::string&) override {}
    void SetControlVisible(Control, bool) override {}
    void BringControlToFront(Control) override {}
    void SetStatusPanel(int, const std::string&, int) override {}
    void SetWindowCaption(const std::string&) override {}
    std::int64_t TickCount() override { return now_; }
    void ProcessEventsUntil(std::int64_t deadline) override {
        if (deadline > now_) now_ = deadline;
    }
    bool WaitForPlayer() override { return false; }
    void PlaySound(Sound) override {}
    int ShowMessage(const MessageRequest&) override { return 0; }
    void ShowPlainMessage(const std::string&) override {}

private:
    std::int64_t now_ = 0;
};

}  // namespace corvane
