#include "view.h"

#include <initializer_list>

namespace corvane::expert {

namespace {

std::uint64_t Mix(std::uint64_t h, std::uint64_t v) {
    h ^= v + 0x9E3779B97F4A7C15ULL + (h << 6) + (h >> 2);
    h ^= h >> 31;
    h *= 0xBF58476D1CE4E5B9ULL;
    return h ^ (h >> 29);
}

}  // namespace

HandState StateOf(const Game& g, int led) {
    HandState s;
    for (int i = 1; i <= CardCount; ++i) {
        const CardRecord& c = g.CardTable[i];
        const Mask bit = Bit(i);
        if (c.Location == LocPlayerHand || c.Location == LocTarvishHand) s.Held[c.Location] |= bit;
        if (c.Location == LocTrick) s.Played |= bit;
        if (c.Location == LocStock) ++s.StockLeft;
        if (c.OnTable) s.OnTable |= bit;
        for (int k = 1; k <= MeldKindCount; ++k) {
            if (c.MeldUsed[k]) s.Used[k] |= bit;
        }
    }
    s.Trump = static_cast<std::int8_t>(g.TrumpSuit);
    if (g.UpCard > 0 && g.CardTable[g.UpCard].Location == LocUpCard) {
        s.UpCard = static_cast<std::int8_t>(g.UpCard);
    }
    s.Leader = static_cast<std::int8_t>(g.HasLead[PlayerPerson] ? PlayerPerson : PlayerTarvish);
    s.Led = static_cast<std::int8_t>(led);
    s.Round = static_cast<std::int8_t>(g.Round2 ? 2 : 1);
    const int played = CountCards(s.Played) - (led != 0 ? 1 : 0);
    s.Tricks = static_cast<std::int8_t>(g.Round2 ? g.Round2Tricks : played / 2);
    s.DixExchanged = g.DixExchanged;
    for (int p : {PlayerPerson, PlayerTarvish}) {
        s.CorvaneMade[p] = g.CorvaneMade[p];
        s.HandScore[p] = static_cast<std::int16_t>(g.HandScore[p]);
        s.TrickTotal[p] = static_cast<std::int16_t>(g.TrickTotal[p]);
        s.GameTotal[p] = static_cast<std::int16_t>(g.GameTotal[p]);
    }
    s.Target = static_cast<std::int16_t>(g.TargetScore);
    return s;
}

View ViewOf(const Game& g, int viewer) {
    const int opponent = Other(viewer);
    const int led = g.HasLead[viewer] ? 0 : g.TrickCard[1];
    View view{StateOf(g, led), viewer, 0, 0};
    HandState& s = view.State;
    if (s.Round == 2) return view;  // the stock is gone: every card is known
    Mask known = s.OnTable;
    if (g.ExchangedUpCard > 0) known |= Bit(g.ExchangedUpCard);
    const Mask opponentHeld = s.Held[opponent];
    s.Held[opponent] &= known;
    view.Unseen = ~(s.Held[viewer] | s.Held[opponent] | s.Played | (s.UpCard ? Bit(s.UpCard) : 0));
    view.OpponentUnseen = CountCards(opponentHeld) - CountCards(s.Held[opponent]);
    // The marks of unseen cards are the opponent's business.
    s.OnTable &= ~view.Unseen;
    for (Mask& used : s.Used) used &= ~view.Unseen;
    return view;
}

bool HandInPlay(const View& view, Turn turn) {
    const HandState& s = view.State;
    const int me = view.Viewer;
    const int mine = CountCards(s.Held[me]);
    const int theirs = CountCards(s.Held[Other(me)]) + view.OpponentUnseen;
    if (mine != theirs + (s.Led != 0 ? 1 : 0)) return false;
    if (CountCards(view.Unseen) != view.OpponentUnseen + s.StockLeft) return false;
    if (s.Round == 2) {
        return turn == Turn::Card && s.StockLeft == 0 && mine == RoundTwoTricks - s.Tricks;
    }
    // Round 1 keeps eight cards in each hand and in the stock two for each trick to come and one
    // more. The declaring turn after a trick comes before its draws, with the hands a card short
    // and the stock two longer; after the last trick there is a second one after the draws.
    constexpr int dealt = 8;
    const int drawn = 2 * (RoundOneTricks - s.Tricks) + 1;
    if (turn == Turn::Card)
        return s.Tricks < RoundOneTricks && s.StockLeft == drawn && mine == dealt;
    return s.Led == 0 && s.Tricks > 0 &&
           ((s.StockLeft == drawn + 2 && mine == dealt - 1) ||
            (s.Tricks == RoundOneTricks && s.StockLeft == drawn && mine == dealt));
}

std::uint64_t ViewSeed(const View& view) {
    const HandState& s = view.State;
    std::uint64_t h = Mix(0x434F5256414E45ULL, static_cast<std::uint64_t>(view.Viewer));
    for (Mask m : {s.Held[1], s.Held[2], s.OnTable, s.Played, view.Unseen}) h = Mix(h, m);
    for (Mask m : s.Used) h = Mix(h, m);
    const int small[] = {s.Trump,          s.UpCard,           s.Leader,       s.Led,
                         s.Round,          s.Tricks,           s.StockLeft,    s.DixExchanged,
                         s.CorvaneMade[1], s.CorvaneMade[2],   s.HandScore[1], s.HandScore[2],
                         s.TrickTotal[1],  s.TrickTotal[2],    s.GameTotal[1], s.GameTotal[2],
                         s.Target,         view.OpponentUnseen};
    for (int v : small) h = Mix(h, static_cast<std::uint64_t>(v));
    return h;
}

}  // namespace corvane::expert
