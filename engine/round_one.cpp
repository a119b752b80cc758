#include <string>

#include "card_layout.h"
#include "declarations.h"
#include "display.h"
#include "hand_flow.h"
#include "opponent.h"
#include "readouts.h"

// Round 1: 23 tricks in which any card may be played; the winner of each may declare and draws
// first. Then the last face-down card and the up card, and the switch to Round 2.

namespace corvane {

namespace {

// Cards taken from the pack once the stock is down to its last face-down card and the up card.
constexpr int CardsUsedAtRoundOneEnd = 62;

// The person's declaring turn: the panel opens and the hand waits for a declaration or Cancel.
bool PersonDeclares(Game& g) {
    SetVisible(g, Control::FramDeclare, true);
    BringToFront(g, Control::FramDeclare);
    g.WaitingForPlayer = true;
    SetStatusLine(g, " Click a Meld to make or click cancel and receive a card.");
    return WaitForPlayer(g);
}

void PersonLeadsTrick(Game& g) {
    SetStatusLine(g, " Right or Left click card to play.");
    g.WaitingForPlayer = true;
    if (!WaitForPlayer(g)) return;
    Pause(g);
    SetStatusLine(g, " Tarvish's's turn to play a card.");
    g.TrickCard[2] = TarvishChooseCard(g);
    if (!TarvishHasCard(g, g.TrickCard[2])) return;
    TarvishPlayCard(g, g.TrickCard[2]);
    CompleteTrick(g);
}

void TarvishLeadsTrick(Game& g) {
    SetStatusLine(g, " Tarvish's turn to lead a card.");
    g.TrickCard[1] = TarvishChooseCard(g);
    if (!TarvishHasCard(g, g.TrickCard[1])) return;
    TarvishPlayCard(g, g.TrickCard[1]);
    if (!g.GameInProgress) return;
    g.WaitingForPlayer = true;
    SetStatusLine(g, " please click on a card to play.");
    if (!WaitForPlayer(g)) return;
    CompleteTrick(g);
    // The target is checked only after the tricks Tarvish led.
    CheckTarget(g);
}

// Both draw from the stock, the winner of the trick first.
void DrawAfterTrick(Game& g) {
    if (g.TrickWinner == PlayerPerson) {
        g.MeldMade = false;
        SetCaption(g, Control::LblInfo, g.PlayerName + " is receiving a card");
        Pause(g);
        DrawFromStock(g, PlayerPerson);
        SetCaption(g, Control::LblInfo, "Tarvish is taking a card.");
        Pause(g);
        DrawFromStock(g, PlayerTarvish);
    } else {
        SetCaption(g, Control::LblInfo, "Tarvish is receiving a card.");
        Pause(g);
        DrawFromStock(g, PlayerTarvish);
        SetCaption(g, Control::LblInfo, g.PlayerName + " is receiving a card. Tarvish to lead");
        Pause(g);
        DrawFromStock(g, PlayerPerson);
    }
}

// The winner of the last trick declares once more and takes the last face-down card; the other
// player takes the up card.
void TakeLastStockCards(Game& g) {
    if (g.TrickWinner == PlayerPerson) {
        SetStatusLine(g, " Click a Meld to make or click cancel and receive a card.");
        if (!PersonDeclares(g)) return;
        Pause(g);
        SetStatusLine(g, " you will now receive the last Down card.");
        DrawFromStock(g, PlayerPerson);
        TakeCard(g, PlayerTarvish, g.UpCard);
    } else {
        SetStatusLine(g, " Tarvish's turn to meld.");
        TarvishDeclare(g);
        if (!g.GameInProgress) return;
        ShowMessage(g, "Tarvish has now Melded if he can and you are on Round 2", "O.K", "", "", 1,
                    "Tarvish Melding?");
        DrawFromStock(g, PlayerTarvish);
        TakeCard(g, PlayerPerson, g.UpCard);
    }
}

}  // namespace

void PlayRound1(Game& g) {
    if (!g.GameInProgress) return;
    while (g.CardsUsed < CardsUsedAtRoundOneEnd) {
        if (g.HasLead[PlayerPerson]) {
            PersonLeadsTrick(g);
        } else {
            TarvishLeadsTrick(g);
        }
        if (!g.GameInProgress) return;
        DrawAfterTrick(g);
        if (!g.GameInProgress) return;
    }
    TakeLastStockCards(g);
    if (!g.GameInProgress) return;
    SwitchToRoundTwo(g);
}

void CompleteTrick(Game& g) {
    if (!g.GameInProgress) return;
    DecideTrick(g);
    if (g.TrickWinner == PlayerTarvish) {
        g.HasLead[PlayerTarvish] = true;
        g.HasLead[PlayerPerson] = false;
        SetCaption(g, Control::LblInfo,
                   "Tarvish Trick score is " + PostTrickScore(g, PlayerTarvish));
        GatherTrick(g, PlayerTarvish);
        SetStatusLine(g, " Tarvish is now melding/playing.");
        Pause(g);
        Pause(g);
        if (!g.GameInProgress) return;
        TarvishDeclare(g);
        WithdrawLostKnock(g);
        Pause(g);
    } else {
        SetCaption(g, Control::LblInfo,
                   g.PlayerName + " trick score is " + PostTrickScore(g, PlayerPerson));
        GatherTrick(g, PlayerPerson);
        g.HasLead[PlayerPerson] = true;
        g.HasLead[PlayerTarvish] = false;
        if (!g.GameInProgress || !PersonDeclares(g)) return;
    }
    RedrawStock(g);
    g.PauseTime = g.Speed;
}

}  // namespace corvane
