#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "card_table.h"
#include "game_state.h"
#include "hand_flow.h"
#include "headless_table.h"
#include "table_geometry.h"

// What the engine tests share: cards written in short, positions set up by hand, and a game on a
// recording table.

namespace corvane::testing_support {

// A card in short: value 7 8 9 J Q K T A, suit D C H S, and a 2 for the second copy ("QS2").
// Within a suit the indices run in strength order, two copies side by side.
inline int C(std::string_view name) {
    static constexpr std::string_view values = "789JQKTA";
    static constexpr std::string_view suits = "DCHS";
    const bool wellFormed = (name.size() == 2 || (name.size() == 3 && name[2] == '2')) &&
                            values.find(name[0]) != std::string_view::npos &&
                            suits.find(name[1]) != std::string_view::npos;
    if (!wellFormed) throw std::invalid_argument("no such card: " + std::string(name));
    return static_cast<int>(suits.find(name[1]) * 16 + values.find(name[0]) * 2) +
           (name.size() == 3 ? 2 : 1);
}

// Cards in short, separated by blanks: "7D 7D2 KD".
inline std::vector<int> Cards(std::string_view names) {
    std::vector<int> cards;
    std::istringstream in{std::string(names)};
    for (std::string name; in >> name;) cards.push_back(C(name));
    return cards;
}

// "Nine of Clubs (21)": how a failing check names a card.
inline std::string Describe(const Game& g, int card) {
    if (card < 1 || card > CardCount) return "no card (" + std::to_string(card) + ")";
    return g.CardTable[card].Name + " (" + std::to_string(card) + ")";
}

// Every card back in the stock, clear of melds; then the person's and Tarvish's cards.
inline void Hold(Game& g, const std::vector<int>& person, const std::vector<int>& tarvish) {
    if (g.CardTable[1].Name.empty()) BuildCardTable(g);
    for (CardRecord& c : g.CardTable) c = CardRecord{c.Name, c.Value, c.Suit, LocStock};
    for (int card : person) g.CardTable[card].Location = LocPlayerHand;
    for (int card : tarvish) g.CardTable[card].Location = LocTarvishHand;
}

// `player` holds `cards` in short, each with its meld marks: "*" lies on the table, ":37" has
// served in melds of kinds 3 and 7 ("QS*:37"). Trumps and the up card ("" for none) are set, and
// every other first copy goes to the other player, so that a search straying from the holding
// finds something there.
inline void HoldMarked(Game& g, int player, std::string_view cards, int trumps,
                       std::string_view upCard = "") {
    std::vector<std::string> tokens;
    std::vector<int> mine, others;
    std::istringstream in{std::string(cards)};
    for (std::string token; in >> token;) {
        tokens.push_back(token);
        mine.push_back(C(token.substr(0, token.find_first_of("*:"))));
    }
    g.UpCard = upCard.empty() ? -1 : C(upCard);
    for (int i = 1; i <= CardCount; i += 2) {
        if (std::find(mine.begin(), mine.end(), i) == mine.end() && i != g.UpCard)
            others.push_back(i);
    }
    Hold(g, player == PlayerPerson ? mine : others, player == PlayerPerson ? others : mine);
    for (std::size_t k = 0; k < tokens.size(); ++k) {
        CardRecord& card = g.CardTable[mine[k]];
        card.OnTable = tokens[k].find('*') != std::string::npos;
        const std::size_t colon = tokens[k].find(':');
        for (std::size_t i = colon + 1; colon != std::string::npos && i < tokens[k].size(); ++i) {
            card.MeldUsed[tokens[k][i] - '0'] = true;
        }
    }
    g.TrumpSuit = trumps;
    if (g.UpCard > 0) g.CardTable[g.UpCard].Location = LocUpCard;
}

// A seed whose deal, after `dealerBefore` dealt last, turns up a Seven or not as asked.
inline std::uint64_t SeedTurningUp(int dealerBefore, bool seven) {
    for (std::uint64_t seed = 1;; ++seed) {
        Game probe;
        BuildCardTable(probe);
        probe.Random = RandomSource(seed);
        probe.Dealer = dealerBefore;
        ResetHand(probe);
        DealCards(probe);
        if ((probe.CardTable[probe.UpCard].Value == Seven) == seven) return seed;
    }
}

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
    void SetControlCaption(Control c, const std::string& s) override {
        inner_.SetControlCaption(c, s);
    }
    void SetControlVisible(Control c, bool v) override { inner_.SetControlVisible(c, v); }
    void BringControlToFront(Control c) override { inner_.BringControlToFront(c); }
    void SetStatusPanel(int p, const std::string& t, int i) override {
        inner_.SetStatusPanel(p, t, i);
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

// A game on a recording table, with a hook into its pauses.
struct TableGame : testing::Test {
    Game g;
    HeadlessTable table;
    PauseHookTable hook{table};

    TableGame() {
        BuildCardTable(g);
        g.Random = RandomSource(1);  // the same draws on every run
        g.AttachTable(&hook);
    }

    const std::string& Shown(Control control) const { return table.ControlOf(control).Caption; }

    // Every place the card was moved to, in order.
    std::vector<std::pair<int, int>> PlacesOf(int card) const {
        std::vector<std::pair<int, int>> places;
        for (const auto& move : table.Moves) {
            if (move.Card == card) places.emplace_back(move.Left, move.Top);
        }
        return places;
    }

    // The cards shown at `origin`'s Top are exactly `row`, from `origin` to the right by `step`,
    // face up or down, each in front of its left neighbour.
    void ExpectRow(const std::vector<int>& row, TablePoint origin, int step, bool faceUp) const {
        std::vector<int> shown;
        for (int i = 1; i <= CardCount; ++i) {
            if (table.Cards[i].Top == origin.Top) shown.push_back(i);
        }
        std::sort(shown.begin(), shown.end(),
                  [&](int a, int b) { return table.Cards[a].Left < table.Cards[b].Left; });
        EXPECT_EQ(shown, row);
        for (std::size_t k = 0; k < row.size(); ++k) {
            const HeadlessTable::CardPicture& pic = table.Cards[row[k]];
            EXPECT_EQ(pic.Left, origin.Left + step * static_cast<int>(k)) << Describe(g, row[k]);
            EXPECT_EQ(pic.Image, faceUp ? row[k] : ImageBack) << Describe(g, row[k]);
            EXPECT_TRUE(k == 0 || pic.Stacking > table.Cards[row[k - 1]].Stacking) << row[k];
        }
    }
};

}  // namespace corvane::testing_support
