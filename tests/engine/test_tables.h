#pragma once

#include <algorithm>
#include <functional>
#include <vector>

#include "card_table.h"
#include "game_state.h"
#include "headless_table.h"

// Shared helpers for the engine tests: a fresh game on a recording table, hands set up by hand,
// and a table that lets a test act in the middle of a pause.

namespace corvane::testing_support {

// Passes everything on to a HeadlessTable, but first runs OnPause whenever the game hands the
// window a pause: the moment the person's clicks arrive in the real window.
class PauseHookTable final : public Table {
public:
    explicit PauseHookTable(HeadlessTable& inner) : inner_(inner) {}

    std::function<void()> OnPause;

    void SetCardImage(int card, int image) override { inner_.SetCardImage(card, image); }
    void MoveCard(int card, int left, int top) override { inner_.MoveCard(card, left, top); }
    void BringCardToFront(int card) override { inner_.BringCardToFront(card); }
    void SetCardVisible(int card, bool visible) override { inner_.SetCardVisible(card, visible); }
    void SetControlCaption(Control control, const std::string& caption) override {
        inner_.SetControlCaption(control, caption);
    }
    void SetControlVisible(Control control, bool visible) override {
        inner_.SetControlVisible(control, visible);
    }
    void BringControlToFront(Control control) override { inner_.BringControlToFront(control); }
    void SetStatusPanel(int panel, const std::string& text, int image) override {
        inner_.SetStatusPanel(panel, text, image);
    }
    void SetWindowCaption(const std::string& caption) override { inner_.SetWindowCaption(caption); }
    std::int64_t TickCount() override { return inner_.TickCount(); }
    void ProcessEventsUntil(std::int64_t deadline) override {
        if (OnPause) OnPause();
        inner_.ProcessEventsUntil(deadline);
    }
    bool WaitForPlayer() override { return inner_.WaitForPlayer(); }
    void PlaySound(Sound sound) override { inner_.PlaySound(sound); }
    int ShowMessage(const MessageRequest& request) override { return inner_.ShowMessage(request); }
    void ShowPlainMessage(const std::string& text) override { inner_.ShowPlainMessage(text); }

private:
    HeadlessTable& inner_;
};

// Every card out of play, then the given cards into the hands. OnTable and the meld marks are
// left clear.
inline void GiveHands(Game& g, const std::vector<int>& person, const std::vector<int>& tarvish) {
    for (int i = 1; i <= CardCount; ++i) {
        g.CardTable[i].Location = LocStock;
        g.CardTable[i].OnTable = false;
        g.CardTable[i].MeldUsed.fill(false);
        g.CardTable[i].MeldColumn.fill(false);
    }
    for (int card : person) g.CardTable[card].Location = LocPlayerHand;
    for (int card : tarvish) g.CardTable[card].Location = LocTarvishHand;
}

// Cards of the person's sorted row, from left to right, as the table shows them.
inline std::vector<int> PersonRowLeftToRight(const Game& g, const HeadlessTable& table) {
    std::vector<int> row;
    for (int i = 1; i <= CardCount; ++i) {
        if (g.CardTable[i].Location == LocPlayerHand && !g.CardTable[i].OnTable) row.push_back(i);
    }
    std::sort(row.begin(), row.end(),
              [&](int a, int b) { return table.Cards[a].Left < table.Cards[b].Left; });
    return row;
}

}  // namespace corvane::testing_support
