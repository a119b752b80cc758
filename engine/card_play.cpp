#include <string>

#include "card_layout.h"
#include "declarations.h"
#include "display.h"
#include "hand_flow.h"
#include "pacing.h"
#include "table_geometry.h"

namespace corvane {

namespace {

// A one-button notice about a card the person may not play.
void CardNotice(Game& g, const std::string& title, const std::string& textAfterName,
                const std::string& button) {
    ShowMessage(g, g.PlayerName + textAfterName, button, "", "", 3, title);
}

// Shows the notice for a card that is not the person's to play; false when there is none.
bool NoticeForCardNotHeld(Game& g, int card) {
    switch (g.CardTable[card].Location) {
        case LocStock:
            CardNotice(g, "The Stock",
                       " this is the Stock and a card will be delivered automatically to you "
                       "after each trick!",
                       "Right");
            return true;
        case LocTarvishHand:
            CardNotice(g, "Tut Tut", " You really musn't try to look at Tarvish's card you know !",
                       "Just Peeping");
            return true;
        case LocTrick:
            CardNotice(g, "Cards out of game",
                       " These cards have been played and are now out of the hand.", "Right");
            return true;
        case LocUpCard:
            CardNotice(
                g, "The Up Card",
                " This is the UpCard " + g.CardTable[g.UpCard].Name + " and the suit is trumps",
                "Right");
            return true;
    }
    return false;
}

// The Round 2 rule for a card played to Tarvish's lead: follow suit if you can, else trump if you
// can. Shows why a card is refused.
bool FollowsRoundTwoRule(Game& g, int card) {
    const int ledSuit = g.CardTable[g.TrickCard[1]].Suit;
    const bool holdsLedSuit = HoldsLedSuit(g, LocPlayerHand);
    if (holdsLedSuit && g.CardTable[card].Suit != ledSuit) {
        CardNotice(g, "Must follow suit.", " You have a card of the same suit and must play it.",
                   "Ah Right");
        return false;
    }
    if (!holdsLedSuit && PlayerHoldsTrump(g) && !IsTrump(g, card)) {
        CardNotice(g, "You have a Trump", " You have a Trump and must play it.", "O.K");
        return false;
    }
    return true;
}

void PlayIntoTrick(Game& g, int card, int position) {
    // The wait ends before the pause: a second click during it must not play a second card.
    g.WaitingForPlayer = false;
    g.TrickCard[position] = card;
    SetCaption(g, Control::LblInfo, g.PlayerName + " is playing " + g.CardTable[card].Name);
    Pause(g);
    PlayerPlayCard(g, card);
    if (g.Round2) SortSuits(g);
}

}  // namespace

bool WaitsForPersonsCard(const Game& g) {
    return g.GameInProgress && g.WaitingForPlayer && !IsVisible(g, Control::FramDeclare) &&
           !IsVisible(g, Control::FramMarriage);
}

void PicCard_Click(Game& g, int card) {
    if (card < 1 || card > CardCount) return;
    if (!g.GameInProgress || !g.WaitingForPlayer) return;
    const bool inHand = g.CardTable[card].Location == LocPlayerHand;
    // A card not the person's still gets its notice during a declaring turn.
    if (inHand && !WaitsForPersonsCard(g)) return;
    if (NoticeForCardNotHeld(g, card)) return;
    if (!inHand) return;
    const int position = g.HasLead[PlayerPerson] ? 1 : 2;
    if (g.Round2) {
        if (position == 2 && !FollowsRoundTwoRule(g, card)) return;
        PlayIntoTrick(g, card, position);
    } else if (g.Round1) {
        PlayIntoTrick(g, card, position);
    }
}

void PlayerPlayCard(Game& g, int card) {
    g.PauseTime = g.Speed + PlayCardExtra;
    CardRecord& c = g.CardTable[card];
    c.Location = LocTrick;
    if (c.OnTable) {
        ReleaseMeldMarks(g, card);
        c.OnTable = false;
    }
    PlaceCard(g, card, PlayerPlayVia);
    Pause(g);
    PlaceCard(g, card, PlayerTrickPlace);
    PlayDealSound(g);
    RefreshHand(g);
    g.PauseTime = g.Speed;
}

bool HoldsLedSuit(const Game& g, int location) {
    if (g.TrickCard[1] < 1) return false;  // nothing led yet
    const int ledSuit = g.CardTable[g.TrickCard[1]].Suit;
    for (int i = 1; i <= CardCount; ++i) {
        if (g.CardTable[i].Location == location && g.CardTable[i].Suit == ledSuit) return true;
    }
    return false;
}

bool PlayerHoldsTrump(const Game& g) {
    for (int i = 1; i <= CardCount; ++i) {
        if (g.CardTable[i].Location == LocPlayerHand && IsTrump(g, i)) return true;
    }
    return false;
}

}  // namespace corvane
