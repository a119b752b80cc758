#include "card_layout.h"

#include "display.h"
#include "table_geometry.h"

namespace corvane {

namespace {

// A card of the person's hand row: held, and not lying on the table as a meld.
bool InPlayerRow(const CardRecord& card) {
    return card.Location == LocPlayerHand && !card.OnTable;
}

void PlaceInSortedRow(Game& g, int card, int& left) {
    ShowCardFace(g, card);
    PlaceCard(g, card, left, PlayerSortedRowOrigin.Top);
    left += PlayerSortedRowStep;
}

}  // namespace

// The pack is indexed by suit (Diamonds, Clubs, Hearts, Spades), then by strength from the Seven
// to the Ace, the two copies of a card side by side: so index order is already suit order, and the
// cards of one value are found at fixed steps.
void SortSuits(Game& g) {
    int left = PlayerSortedRowOrigin.Left;
    for (int i = 1; i <= CardCount; ++i) {
        if (InPlayerRow(g.CardTable[i])) PlaceInSortedRow(g, i, left);
    }
}

void SortSame(Game& g) {
    constexpr int kCardsPerSuit = CardCount / 4;
    int left = PlayerSortedRowOrigin.Left;
    for (int rank = 0; rank < static_cast<int>(RankOrder.size()); ++rank) {
        for (int first = 1 + 2 * rank; first <= CardCount; first += kCardsPerSuit) {
            for (int i : {first, first + 1}) {
                if (InPlayerRow(g.CardTable[i])) PlaceInSortedRow(g, i, left);
            }
        }
    }
    g.PauseTime = g.Speed;
}

void RefreshHand(Game& g) {
    if (Caption(g, Control::CmdSort) == SortSuitsCaption) {
        SortSame(g);
    } else {
        SortSuits(g);
    }
}

void LayOutOpponentHand(Game& g) {
    int left = TarvishHandOrigin.Left;
    for (int i = 1; i <= CardCount; ++i) {
        const CardRecord& card = g.CardTable[i];
        if (card.Location == LocTarvishHand && !card.OnTable) {
            ShowCardBack(g, i);
            PlaceCard(g, i, left, TarvishHandOrigin.Top);
            left += TarvishHandStep;
        }
    }
    g.PauseTime = g.Speed;
}

void LayOutPlayerHand(Game& g) {
    int left = PlayerDealRowOrigin.Left;
    for (int i = 1; i <= CardCount; ++i) {
        if (InPlayerRow(g.CardTable[i])) {
            PlaceCard(g, i, left, PlayerDealRowOrigin.Top);
            left += PlayerDealRowStep;
        }
    }
}

void RedrawStock(Game& g) {
    g.PauseTime = 0;
    int k = 0;
    for (int i = 1; i <= CardCount; ++i) {
        if (g.CardTable[i].Location != LocStock) continue;
        ShowCardBack(g, i);
        SetCardVisible(g, i, true);
        PlaceCard(g, i, StockOrigin.Left + StockStepLeft * k, StockOrigin.Top + StockStepTop * k);
        ++k;
    }
}

void CmdSort_Click(Game& g) {
    const std::string& caption = Caption(g, Control::CmdSort);
    if (caption == SortSuitsCaption) {
        SortSuits(g);
        SetCaption(g, Control::CmdSort, SortSameCaption);
    } else if (caption == SortSameCaption) {
        SortSame(g);
        SetCaption(g, Control::CmdSort, SortSuitsCaption);
    }
}

}  // namespace corvane
