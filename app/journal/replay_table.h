#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "game_record.h"
#include "headless_table.h"

namespace corvane {

// Plays a journaled game again without showing anything or waiting: each recorded action is
// carried out at the moment of the game it came at. Once none is left, at the next wait for the
// person, the table as it then stands goes over to `live` (cards, captions, panels, the window
// caption, and which card or panel lies in front of which), the game is attached to `live`, and
// the wait goes on there. The replay starts from the table as start-up left it, with the game's
// name on the name labels and score frames.
class ReplayTable final : public Table {
public:
    ReplayTable(Game& g, std::vector<JournaledAction> actions, Table& live);

    bool replaying() const { return replaying_; }
    // Told of each recorded action just before it is carried out, as the person's own actions
    // are told in the window.
    std::function<void(const Game&, const PersonAction&)> beforeAction;
    // Hands the table over now, as it stands (the game ended during the replay).
    void handOver();

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
    void EndAllWaits() override;

private:
    // Carries out the actions that came at the present moment; true when there were any.
    bool actNow();
    Table& current() { return replaying_ ? static_cast<Table&>(record_) : live_; }

    Game& g_;
    std::vector<JournaledAction> actions_;
    std::size_t next_ = 0;
    Table& live_;
    HeadlessTable record_;
    bool replaying_ = true;
    // When each card and control last came to the front during the replay; 0 for never.
    std::uint64_t fronted_ = 0;
    std::array<std::uint64_t, CardCount + 1> cardFront_{};
    std::array<std::uint64_t, ControlCount> controlFront_{};
};

}  // namespace corvane
