#include <algorithm>
#include <array>

#include "declarations.h"
#include "display.h"
#include "pacing.h"
#include "table_geometry.h"

namespace corvane {

namespace {

enum class ColumnOrder { Ascending, Descending, RunOrder };

struct MeldColumn {
    int Kind;
    int Left;
    ColumnOrder Order;
};

// In the order they are laid out.
constexpr std::array kColumns{
    MeldColumn{MeldMarriage, MarriageColumnLeft, ColumnOrder::Descending},
    MeldColumn{MeldRun, RunColumnLeft, ColumnOrder::RunOrder},
    MeldColumn{MeldFourAces, FourAcesColumnLeft, ColumnOrder::Ascending},
    MeldColumn{MeldFourKings, FourKingsColumnLeft, ColumnOrder::Descending},
    MeldColumn{MeldFourQueens, FourQueensColumnLeft, ColumnOrder::Descending},
    MeldColumn{MeldFourJacks, FourJacksColumnLeft, ColumnOrder::Descending},
    MeldColumn{MeldCorvane, CorvaneColumnLeft, ColumnOrder::Ascending},
};

// The player's cards drawn in the column, from the top of the column down.
std::vector<int> ColumnCards(const Game& g, int player, const MeldColumn& column) {
    std::vector<int> cards;
    for (int i = 1; i <= CardCount; ++i) {
        const CardRecord& c = g.CardTable[i];
        if (c.Location == player && c.MeldColumn[column.Kind]) cards.push_back(i);
    }
    switch (column.Order) {
        case ColumnOrder::Ascending:
            break;
        case ColumnOrder::Descending:
            std::reverse(cards.begin(), cards.end());
            break;
        case ColumnOrder::RunOrder: {
            // Ace, Ten, King, Queen, Jack; copies of one value by index.
            const auto rank = [&g](int card) {
                constexpr std::array kRunOrder{Ace, Ten, King, Queen, Jack};
                const int value = g.CardTable[card].Value;
                return std::find(kRunOrder.begin(), kRunOrder.end(), value) - kRunOrder.begin();
            };
            std::stable_sort(cards.begin(), cards.end(),
                             [&rank](int a, int b) { return rank(a) < rank(b); });
            break;
        }
    }
    return cards;
}

}  // namespace

void LayOutMeldColumns(Game& g, int player) {
    const int firstTop = player == PlayerPerson ? PlayerMeldColumnTop : TarvishMeldColumnTop;
    for (const MeldColumn& column : kColumns) {
        int top = firstTop;
        for (int card : ColumnCards(g, player, column)) {
            ShowCardFace(g, card);
            PlaceCard(g, card, column.Left, top);
            top += MeldColumnStep;
        }
        if (column.Kind == MeldRun) g.PauseTime = g.Speed;
    }
    PlayCardDownSound(g);
}

void AnimateMeldCard(Game& g, int player, int card) {
    g.PauseTime = g.Speed + MeldLayoutExtra;
    if (player == PlayerPerson) {
        PlaceCard(g, card, PlayerMeldPath[0]);
        Pause(g);
        PlaceCard(g, card, PlayerMeldPath[1]);
    } else {
        ShowCardFace(g, card);
        PlaceCard(g, card, TarvishMeldPath[0]);
        PlaceCard(g, card, TarvishMeldPath[1]);
    }
    Pause(g);
    LayOutMeldColumns(g, player);
    g.WaitingForPlayer = false;
    g.PauseTime = g.Speed;
}

}  // namespace corvane
