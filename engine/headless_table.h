#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "card_table.h"
#include "table.h"

namespace corvane {

// A table without a window, for tests, benchmarks and soak runs. It records everything the game
// shows, keeps a clock of its own that a pause moves on to its deadline, and lets a script act
// for the person.
class HeadlessTable final : public Table {
public:
    struct CardPicture {
        int Left = 0;
        int Top = 0;
        int Image = 0;
        bool Visible = false;
        std::uint64_t Stacking = 0;  // higher is nearer the front
    };
    struct ControlRecord {
        std::string Caption;
        bool Visible = false;
        bool operator==(const ControlRecord&) const = default;
    };
    struct MoveRecord {
        int Card;
        int Left;
        int Top;
    };
    struct PanelRecord {
        std::string Text;
        int Image = 0;
        bool operator==(const PanelRecord&) const = default;
    };

    HeadlessTable();

    // Called whenever the game waits for the person; it acts by calling the click functions.
    // Without it, or when it shows nothing new several times in a row, nobody can act and the
    // hand is abandoned rather than waited for forever.
    std::function<void()> OnWaitForPlayer;
    // Answers a message dialog: gets title, text and the three captions, returns the button
    // index. Without it every message is answered with its first button.
    std::function<int(const std::string& title, const std::string& text, const std::string& b1,
                      const std::string& b2, const std::string& b3)>
        OnMessage;

    std::array<CardPicture, CardCount + 1> Cards;
    std::array<ControlRecord, ControlCount> Controls;
    std::array<PanelRecord, 5> Panels;  // 1..4
    std::string WindowCaption;
    std::vector<MoveRecord> Moves;  // every card move, in order
    std::vector<Sound> Sounds;
    std::vector<MessageRequest> Messages;
    std::vector<std::string> PlainMessages;
    std::int64_t Now = 0;    // milliseconds
    int WaitsForPlayer = 0;  // how often the game has waited for the person

    const ControlRecord& ControlOf(Control control) const;
    // Card indices from the back to the front.
    std::vector<int> StackingOrder() const;

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

private:
    void Record() { ++activity_; }

    std::uint64_t stackingCounter_ = 0;
    std::uint64_t activity_ = 0;  // counts every change shown; a person's action always shows one
    int idleWaits_ = 0;
};

}  // namespace corvane
