#include "meld_rules.h"

#include <array>

namespace corvane {

namespace {

// The Corvane pairs in the order they are looked at: first Jack with first Queen, first Jack
// with second Queen, then the second Jack with each.
constexpr std::array<std::array<int, 2>, 4> kCorvanePairs{{
    {DoubleCorvaneCards[0], DoubleCorvaneCards[2]},
    {DoubleCorvaneCards[0], DoubleCorvaneCards[3]},
    {DoubleCorvaneCards[1], DoubleCorvaneCards[2]},
    {DoubleCorvaneCards[1], DoubleCorvaneCards[3]},
}};

bool Held(const Game& g, int card, int player) {
    return card != NoCard && g.CardTable[card].Location == player;
}

// A held card of this value and suit not yet in a meld of `kind`, the later copy of two.
int LastFree(const Game& g, int player, int value, int suit, int kind) {
    for (int copy : {2, 1}) {
        const int card = CardIndex(suit, value, copy);
        if (Held(g, card, player) && !g.CardTable[card].MeldUsed[kind]) return card;
    }
    return NoCard;
}

}  // namespace

int FindDixSeven(const Game& g, int player) {
    for (int copy : {2, 1}) {
        const int card = CardIndex(g.TrumpSuit, Seven, copy);
        if (Held(g, card, player) && !g.CardTable[card].OnTable) return card;
    }
    return NoCard;
}

MeldCards FindCorvane(const Game& g, int player) {
    for (const auto& [jack, queen] : kCorvanePairs) {
        if (!Held(g, jack, player) || !Held(g, queen, player)) continue;
        if (g.CardTable[jack].MeldUsed[MeldCorvane] || g.CardTable[queen].MeldUsed[MeldCorvane]) {
            return {};
        }
        return {jack, queen};
    }
    return {};
}

bool HasDoubleCorvane(const Game& g, int player) {
    for (int card : DoubleCorvaneCards) {
        if (!Held(g, card, player) || g.CardTable[card].MeldUsed[MeldDoubleCorvane]) return false;
    }
    return true;
}

MeldCards FindRun(const Game& g, int player) {
    MeldCards run;
    for (int value : {Ace, Ten, King, Queen, Jack}) {
        const int card = LastFree(g, player, value, g.TrumpSuit, MeldRun);
        if (card == NoCard) return {};
        run.push_back(card);
    }
    // A run may not be made from the table alone: with Jack, Queen and King all lying there, both
    // Ten and Ace must come from the hand.
    const auto onTable = [&g](int card) { return g.CardTable[card].OnTable; };
    const bool courtOnTable = onTable(run[2]) && onTable(run[3]) && onTable(run[4]);
    if (courtOnTable && (onTable(run[0]) || onTable(run[1]))) return {};
    return run;
}

MeldCards FindFour(const Game& g, int player, int value, int kind) {
    MeldCards four;
    for (int suit : SuitOrder) {
        for (int copy : {1, 2}) {
            const int card = CardIndex(suit, value, copy);
            if (four.size() < 4 && Held(g, card, player) && !g.CardTable[card].MeldUsed[kind]) {
                four.push_back(card);
            }
        }
    }
    if (four.size() < 4) return {};
    return four;
}

MeldCards FindMarriage(const Game& g, int player, int suit) {
    const int queen = LastFree(g, player, Queen, suit, MeldMarriage);
    const int king = LastFree(g, player, King, suit, MeldMarriage);
    if (queen == NoCard || king == NoCard) return {};
    return {king, queen};
}

int MeldPoints(const Game& g, int kind, const MeldCards& cards, int player) {
    switch (kind) {
        case MeldDix:
            return 10;
        case MeldRun: {
            // A King or Queen already scored in a royal marriage takes 40 off.
            for (int card : cards) {
                const CardRecord& c = g.CardTable[card];
                if ((c.Value == King || c.Value == Queen) && c.MeldUsed[MeldMarriage]) return 110;
            }
            return 150;
        }
        case MeldMarriage:
            return !cards.empty() && IsTrump(g, cards.front()) ? 40 : 20;
        case MeldFourKings:
            return 80;
        case MeldFourQueens:
            return 60;
        case MeldFourJacks:
            return 40;
        case MeldCorvane:
            return 40;
        // The single Corvane scored before keeps the two together at 500.
        case MeldDoubleCorvane:
            return g.CorvaneMade[player] ? 460 : 500;
        case MeldFourAces:
            return 100;
        default:
            return 0;
    }
}

int MeldColumnOf(int kind) {
    return kind == MeldDoubleCorvane ? MeldCorvane : kind;
}

void MarkMeldCards(Game& g, const MeldCards& cards, int kind) {
    for (int card : cards) {
        CardRecord& c = g.CardTable[card];
        c.OnTable = true;
        c.MeldUsed[kind] = true;
        // A card shared by two melds is drawn with the latest.
        c.MeldColumn.fill(false);
        c.MeldColumn[MeldColumnOf(kind)] = true;
    }
}

void ReleaseMeldMarks(Game& g, int card) {
    CardRecord& c = g.CardTable[card];
    // A played card is drawn in no column, the Corvane column included.
    c.MeldColumn.fill(false);
    c.MeldUsed[MeldDix] = false;
    c.MeldUsed[MeldCorvane] = false;
    c.MeldUsed[MeldDoubleCorvane] = false;
}

}  // namespace corvane
