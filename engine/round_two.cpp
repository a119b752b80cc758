#include <string>

#include "card_layout.h"
#include "display.h"
#include "hand_flow.h"
#include "opponent.h"
#include "readouts.h"

// Round 2: the stock is gone, the declared cards are back in the hands, and nine tricks are played
// out under the follow-suit-else-trump rule.

namespace corvane {

namespace {

constexpr int RoundTwoTricks = 9;

void TarvishLeadsTrick(Game& g) {
    SetCaption(g, Control::LblInfo, "Tarvish is leading a card");
    Pause(g);
    g.TrickCard[1] = TarvishChooseCardRoundTwo(g, LocTarvishHand);
    if (!TarvishHasCard(g, g.TrickCard[1])) return;
    SetCaption(g, Control::LblInfo, "Tarvish is playing " + g.CardTable[g.TrickCard[1]].Name);
    Pause(g);
    TarvishPlayCard(g, g.TrickCard[1]);
    SetCaption(g, Control::LblInfo,
               g.PlayerName + " click card you wish to play on Tarvish's card.");
    Pause(g);
    g.WaitingForPlayer = true;
    WaitForPlayer(g);
}

// WaitingForPlayer is already set, by the switch or by the trick the person won.
void PersonLeadsTrick(Game& g) {
    SetCaption(g, Control::LblInfo, g.PlayerName + " your lead, please click card to play.");
    Pause(g);
    if (!WaitForPlayer(g)) return;
    SetCaption(g, Control::LblInfo, "Tarvish is playing his card");
    Pause(g);
    g.TrickCard[2] = TarvishChooseCardRoundTwo(g, LocTarvishHand);
    if (!TarvishHasCard(g, g.TrickCard[2])) return;
    SetCaption(g, Control::LblInfo, "Tarvish is playing " + g.CardTable[g.TrickCard[2]].Name);
    TarvishPlayCard(g, g.TrickCard[2]);
}

void PersonWinsTrick(Game& g) {
    SetCaption(g, Control::LblInfo,
               g.PlayerName + "'s Trick score is " + PostTrickScore(g, PlayerPerson));
    GatherTrick(g, PlayerPerson);
    g.WaitingForPlayer = true;
    g.HasLead[PlayerPerson] = true;
    g.HasLead[PlayerTarvish] = false;
    SetCaption(g, Control::LblInfo, g.PlayerName + " Your turn, click a card to play.");
    Pause(g);
}

void TarvishWinsTrick(Game& g) {
    SetCaption(g, Control::LblInfo, "Tarvish Trick score is " + PostTrickScore(g, PlayerTarvish));
    Pause(g);
    GatherTrick(g, PlayerTarvish);
    g.HasLead[PlayerTarvish] = true;
    g.HasLead[PlayerPerson] = false;
    g.WaitingForPlayer = false;
}

}  // namespace

void SwitchToRoundTwo(Game& g) {
    for (int i = 1; i <= CardCount; ++i) {
        CardRecord& card = g.CardTable[i];
        card.MeldColumn.fill(false);
        card.MeldUsed.fill(false);
        card.OnTable = false;
    }
    SetVisible(g, Control::LblStock, false);
    SetVisible(g, Control::LblKnock, false);
    SortSuits(g);
    SetCaption(g, Control::CmdSort, SortSameCaption);
    LayOutOpponentHand(g);
    RedrawStock(g);
    // The winner of the last trick of Round 1 leads.
    const bool personLeads = g.TrickWinner == PlayerPerson;
    g.WaitingForPlayer = personLeads;
    g.HasLead[PlayerPerson] = personLeads;
    g.HasLead[PlayerTarvish] = !personLeads;
    g.RoundNo = 2;
    ShowTrickAndRound(g);
    SetCaption(g, Control::LblInfo, "");
    ShowMessage(g,
                g.PlayerName +
                    " You are now on the second round and must follow suit or Trump if you "
                    "cannot and have a Trump card.",
                "Right", "", "", 3, "Second Round");
    g.Round1 = false;
    g.Round2 = true;
    PlayRound2(g);
}

void PlayRound2(Game& g) {
    if (!g.GameInProgress) return;
    do {
        if (g.HasLead[PlayerPerson]) {
            PersonLeadsTrick(g);
        } else {
            TarvishLeadsTrick(g);
        }
        if (!g.GameInProgress) return;
        DecideTrick(g);
        if (g.TrickWinner == PlayerPerson) {
            PersonWinsTrick(g);
        } else {
            TarvishWinsTrick(g);
        }
        if (!g.GameInProgress) return;
        ++g.Round2Tricks;
    } while (g.Round2Tricks < RoundTwoTricks);
    EndOfHand(g);
}

}  // namespace corvane
