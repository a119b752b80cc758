#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <vector>

#include "card_table.h"
#include "position_view.h"
#include "review_texts.h"

namespace corvane {
namespace {

using expert::Mask;

constexpr int Card(int suit, int value, int copy = 1) {
    return CardIndex(suit, value, copy);
}

Mask Of(std::initializer_list<int> cards) {
    Mask m = 0;
    for (int c : cards) m |= expert::Bit(c);
    return m;
}

std::vector<int> Sorted(std::vector<int> v) {
    std::sort(v.begin(), v.end());
    return v;
}

std::vector<int> CardsOf(Mask m) {
    std::vector<int> out;
    for (; m; m &= m - 1) out.push_back(expert::FirstCard(m));
    return out;
}

// A decision as the person saw it. Tarvish's hidden cards are in its holding, as in Round 2 or
// for an up card it took in exchange, and must never be drawn; neither must the cards played.
struct Row {
    const char* Name;
    Mask Hand = 0, Declared = 0, TarvishDeclared = 0, TarvishHidden = 0;
    int Led = 0, UpCard = 0, Round = 1;
    bool Declaration = false;
    int ChosenCard = 0, BestCard = 0;
    expert::MeldOption ChosenMeld{}, BestMeld{};
    Mask Chosen = 0, Best = 0;  // the cards expected under each frame
};

review::ReviewedDecision DecisionOf(const Row& row) {
    review::ReviewedDecision d;
    expert::HandState& s = d.Point.View.State;
    s.Held[PlayerPerson] = row.Hand | row.Declared;
    s.Held[PlayerTarvish] = row.TarvishDeclared | row.TarvishHidden;
    s.OnTable = row.Declared | row.TarvishDeclared;
    s.Played = Of({Card(Clubs, Ace), Card(Clubs, Ten)}) | (row.Led ? Of({row.Led}) : 0);
    s.Led = static_cast<std::int8_t>(row.Led);
    s.UpCard = static_cast<std::int8_t>(row.UpCard);
    s.Trump = Spades;
    s.Round = static_cast<std::int8_t>(row.Round);
    d.Point.View.Viewer = PlayerPerson;
    d.Point.Declaration = row.Declaration;
    d.Chosen = {row.ChosenCard, row.ChosenMeld, 10, 1, 20, 1};
    d.Best = {row.BestCard, row.BestMeld, 30, 1, 0, 0};
    return d;
}

const int KingH = Card(Hearts, King), QueenH = Card(Hearts, Queen), AceD = Card(Diamonds, Ace);
const Mask FourKings = Of({Card(Diamonds, King), Card(Clubs, King), KingH, Card(Spades, King)});

const Row Rows[] = {
    {.Name = "Round 1 after Tarvish led: the up card it took stays hidden",
     .Hand = Of({AceD, Card(Diamonds, Nine), Card(Clubs, Eight), Card(Spades, Seven),
                 Card(Spades, Jack), Card(Hearts, Ten)}),
     .Declared = Of({KingH, QueenH}),
     .TarvishDeclared = Of({Card(Spades, Queen), Card(Diamonds, Jack)}),
     .TarvishHidden = Of({Card(Spades, Eight)}),
     .Led = Card(Hearts, Ace),
     .UpCard = Card(Spades, Nine),
     .ChosenCard = Card(Spades, Seven),
     .BestCard = KingH,
     .Chosen = Of({Card(Spades, Seven)}),
     .Best = Of({KingH})},
    {.Name = "Round 2: Tarvish's whole hand is known but lies face down; the trump is a symbol",
     .Hand = Of({AceD, Card(Clubs, Nine), Card(Spades, Ace)}),
     .TarvishHidden = Of({Card(Diamonds, Seven), Card(Clubs, Jack), Card(Hearts, Eight)}),
     .Round = 2,
     .ChosenCard = AceD,
     .BestCard = AceD,
     .Chosen = Of({AceD}),
     .Best = Of({AceD})},
    {.Name = "The second copy of the best card played: that copy is the best",
     .Hand = Of({AceD, Card(Diamonds, Ace, 2), Card(Clubs, Nine)}),
     .TarvishHidden = Of({Card(Clubs, Seven), Card(Clubs, Eight)}),
     .Round = 2,
     .ChosenCard = Card(Diamonds, Ace, 2),
     .BestCard = AceD,
     .Chosen = Of({Card(Diamonds, Ace, 2)}),
     .Best = Of({Card(Diamonds, Ace, 2)})},
    {.Name = "A declaration: the marriage chosen and the four Kings best, one King in both",
     .Hand = FourKings | Of({QueenH, AceD, Card(Clubs, Eight), Card(Clubs, Nine)}),
     .UpCard = Card(Spades, Nine),
     .Declaration = true,
     .ChosenMeld = {MeldMarriage, Hearts, Of({KingH, QueenH}), 20},
     .BestMeld = {MeldFourKings, 0, FourKings, 80},
     .Chosen = Of({KingH, QueenH}),
     .Best = FourKings},
    {.Name = "No declaration chosen: no card is framed chosen",
     .Hand = Of({Card(Spades, Seven), AceD, Card(Clubs, Eight)}),
     .Declared = Of({KingH, QueenH}),
     .UpCard = Card(Spades, Nine),
     .Declaration = true,
     .BestMeld = {MeldDix, Spades, Of({Card(Spades, Seven)}), 10},
     .Best = Of({Card(Spades, Seven)})},
};

// The table drawn holds exactly what the person could see, at every size, with the frames on
// the chosen and the best cards, and says in words what it shows.
TEST(PositionViewTest, ShowsWhatThePersonSawWithTheChosenAndTheBestMarked) {
    for (const Row& row : Rows) {
        SCOPED_TRACE(row.Name);
        const review::ReviewedDecision d = DecisionOf(row);
        std::vector<int> seen = CardsOf(row.Hand | row.Declared | row.TarvishDeclared);
        if (row.Led) seen.push_back(row.Led);
        seen.push_back(row.UpCard ? row.UpCard : SuitSymbolImage(Spades));

        PositionView view;
        view.show();
        view.showDecision(d);
        EXPECT_EQ(view.accessibleDescription(), PositionWords(d));
        int cardHeight = 0;
        for (const QSize size : {QSize(160, 200), QSize(900, 560)}) {
            view.resize(size);
            std::vector<int> shown, chosen, best;
            for (const PositionView::Placed& p : view.placed()) {
                shown.push_back(p.Picture);
                if (p.Chosen) chosen.push_back(p.Picture);
                if (p.Best) best.push_back(p.Picture);
                EXPECT_TRUE(view.rect().contains(p.Rect)) << p.Picture << " at " << size.width();
            }
            EXPECT_EQ(Sorted(shown), Sorted(seen));
            EXPECT_EQ(Sorted(chosen), CardsOf(row.Chosen));
            EXPECT_EQ(Sorted(best), CardsOf(row.Best));
            EXPECT_GT(view.placed().front().Rect.height(), cardHeight) << "grows with the window";
            cardHeight = view.placed().front().Rect.height();
        }
    }
}

}  // namespace
}  // namespace corvane
