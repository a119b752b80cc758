#include <array>
#include <string>

#include "card_layout.h"
#include "declaration_steps.h"
#include "declarations.h"
#include "display.h"
#include "readouts.h"

namespace corvane {

namespace {

// The four-of-a-kind melds and what each player's declaration of one reads.
struct FourOfAKind {
    int Kind;
    int Value;
    const char* PersonText;  // after the person's name
    const char* TarvishText;
};
constexpr std::array kFoursOfAKind{
    FourOfAKind{MeldFourAces, Ace, " made 100 for four Aces", "Tarvish made 100 for four Aces"},
    FourOfAKind{MeldFourKings, King, " made 80 for four Kings", "Tarvish made  80 for four Kings"},
    FourOfAKind{MeldFourQueens, Queen, " made 60 for four Queens",
                "Tarvish made 60 for four Queens"},
    FourOfAKind{MeldFourJacks, Jack, " made 40 for four Jacks", " Tarvish made 40 for four Jacks"},
};

void SetInfo(Game& g, const std::string& text) {
    SetCaption(g, Control::LblInfo, text);
}

}  // namespace

void TakeDeclaration(Game& g, Control panel) {
    g.MeldMade = true;
    SetVisible(g, panel, false);
    g.WaitingForPlayer = false;
}

void RefuseMeld(Game& g, const std::string& title, const std::string& text) {
    ShowMessage(g, text, "Right", "", "", 1, title);
}

void DeclareCorvane(Game& g, int player) {
    g.MeldMade = false;
    const MeldCards corvane = FindCorvane(g, player);
    if (corvane.empty()) {
        if (player == PlayerPerson) {
            RefuseMeld(g, "No Corvane",
                       "Sorry, you do not have a Corvane. Make different Meld or click Cancel to "
                       "receive card.");
        }
        return;
    }
    TakeDeclaration(g, Control::FramDeclare);
    for (int card : corvane) AnimateMeldCard(g, player, card);
    MarkMeldCards(g, corvane, MeldCorvane);
    LayOutMeldColumns(g, player);
    g.LastMeldKind = MeldCorvane;
    g.LastMeldScore[player] = MeldPoints(g, MeldCorvane, corvane, player);
    g.CorvaneMade[player] = true;
    PostMeldScore(g, player);
    if (player == PlayerPerson) {
        SetInfo(g, g.PlayerName + " makes 40 for single Corvane");
        RefreshHand(g);
    } else {
        SetInfo(g, "Tarvish  makes 40 for single Corvane.");
    }
}

void DeclareDoubleCorvane(Game& g, int player) {
    g.MeldMade = false;
    if (HasDoubleCorvane(g, player)) {
        TakeDeclaration(g, Control::FramDeclare);
        const MeldCards cards(DoubleCorvaneCards.begin(), DoubleCorvaneCards.end());
        // A card of a single Corvane lies on the table already; the columns move it.
        for (int card : cards) {
            if (!g.CardTable[card].MeldUsed[MeldCorvane]) AnimateMeldCard(g, player, card);
        }
        MarkMeldCards(g, cards, MeldDoubleCorvane);
        LayOutMeldColumns(g, player);
        g.LastMeldKind = MeldDoubleCorvane;
        g.LastMeldScore[player] = MeldPoints(g, MeldDoubleCorvane, cards, player);
        const std::string points = std::to_string(g.LastMeldScore[player]);
        if (player == PlayerPerson) {
            SetInfo(g, g.PlayerName + " made Dbl Tam. - " + points);
            RefreshHand(g);
        } else {
            SetInfo(g, "Tarvish made Dbl Tam. - " + points);
        }
    }
    // Booked even when there was none: the last-meld score then shows 0.
    PostMeldScore(g, player);
    if (player == PlayerPerson && !g.MeldMade) {
        RefuseMeld(g, "No Double Corvane",
                   "Sorry, you do not have a Double Tamblin. Make different Meld or click "
                   "'Cancel' to receive a card.");
    }
}

void DeclareRun(Game& g, int player) {
    g.MeldMade = false;
    const MeldCards run = FindRun(g, player);
    if (run.empty()) {
        if (player == PlayerPerson) {
            RefuseMeld(g, "No Run",
                       g.PlayerName +
                           "You do not have a run.Please try again, or Cancel to receive a card.");
        }
        return;
    }
    TakeDeclaration(g, Control::FramDeclare);
    g.LastMeldKind = MeldRun;
    g.LastMeldScore[player] = MeldPoints(g, MeldRun, run, player);
    const std::string points = std::to_string(g.LastMeldScore[player]);
    if (player == PlayerPerson) {
        SetInfo(g, g.PlayerName + " score run" + points);
        RefreshHand(g);
    } else {
        SetInfo(g, "Tarvish makes run" + points);
    }
    PostMeldScore(g, player);
    for (int card : run) AnimateMeldCard(g, player, card);
    MarkMeldCards(g, run, MeldRun);
    LayOutMeldColumns(g, player);
}

void DeclareFour(Game& g, int player, int value, int kind) {
    const FourOfAKind* four = nullptr;
    for (const FourOfAKind& candidate : kFoursOfAKind) {
        if (candidate.Kind == kind && candidate.Value == value) four = &candidate;
    }
    if (four == nullptr) return;
    const MeldCards cards = FindFour(g, player, value, kind);
    if (cards.empty()) return;
    TakeDeclaration(g, Control::FramDeclare);
    for (int card : cards) AnimateMeldCard(g, player, card);
    MarkMeldCards(g, cards, kind);
    LayOutMeldColumns(g, player);
    g.LastMeldKind = kind;
    g.LastMeldScore[player] = MeldPoints(g, kind, cards, player);
    SetInfo(g, player == PlayerPerson ? g.PlayerName + four->PersonText : four->TarvishText);
    PostMeldScore(g, player);
}

void DeclareMarriage(Game& g, int player, int suit) {
    const MeldCards marriage = FindMarriage(g, player, suit);
    if (marriage.empty()) return;
    TakeDeclaration(g, Control::FramMarriage);
    for (int card : marriage) AnimateMeldCard(g, player, card);
    MarkMeldCards(g, marriage, MeldMarriage);
    LayOutMeldColumns(g, player);
    ScoreMarriage(g, player, suit);
}

void ScoreMarriage(Game& g, int player, int suit) {
    g.LastMeldKind = MeldMarriage;
    g.LastMeldScore[player] = suit == g.TrumpSuit ? 40 : 20;
    const std::string points = std::to_string(g.LastMeldScore[player]);
    SetInfo(g, player == PlayerPerson ? g.PlayerName + " marriage-score " + points
                                      : "Tarvish marriage score " + points);
    PostMeldScore(g, player);
}

}  // namespace corvane
