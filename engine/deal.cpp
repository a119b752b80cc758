#include <string>

#include "card_layout.h"
#include "display.h"
#include "hand_flow.h"
#include "pacing.h"
#include "readouts.h"
#include "table_geometry.h"

namespace corvane {

namespace {

// Three, two and three cards each, the player who did not deal first, with a pause after every
// packet but the last.
void DealEightEach(Game& g) {
    constexpr int kPacketSizes[] = {3, 3, 2, 2, 3, 3};
    constexpr int kPacketCount = 6;
    const int nonDealer = g.Dealer == PlayerTarvish ? PlayerPerson : PlayerTarvish;
    for (int packet = 0; packet < kPacketCount; ++packet) {
        const bool toPerson = (packet % 2 == 0) == (nonDealer == PlayerPerson);
        for (int n = 0; n < kPacketSizes[packet]; ++n) {
            if (toPerson) {
                DealCardToPlayer(g);
            } else {
                DealCardToTarvish(g);
            }
        }
        if (packet + 1 < kPacketCount) Pause(g);
        if (!g.GameInProgress) return;
    }
}

}  // namespace

void StartUp(Game& g) {
    g.PauseTime = g.Speed;
    SetWindowCaption(g, " Target Score " + std::to_string(g.TargetScore));
    SetCaption(g, Control::LblPlayer, g.PlayerName);
    SetCaption(g, Lblpname(0), g.PlayerName);
    SetCaption(g, Lblpname(1), g.PlayerName);
    SetStatusLine(g, " press F2 for new game,F3 for saved game or use Menu.");
    g.Dealer = RoundHalfEven(g.Random.Uniform() + 1);
}

void NewGame(Game& g) {
    g.HandOver = false;
    g.GameInProgress = true;
    for (int p : {PlayerPerson, PlayerTarvish}) {
        g.GameTotal[p] = 0;
        SetCaption(g, LblPTot(p), "");
    }
    SetWindowCaption(g, "Target Score:- " + std::to_string(g.TargetScore));
    // Hands follow one another in a loop, so that a long game does not pile hand upon hand.
    while (g.GameInProgress) NewHand(g);
    g.HandOver = false;
}

void NewHand(Game& g) {
    if (g.Observer != nullptr) g.Observer->HandBegun(g);
    ResetHand(g);
    Deal(g);
}

void ResetHand(Game& g) {
    g.HandOver = false;
    g.CardsUsed = 0;
    SetCaption(g, Control::LblInfo, "");
    SetVisible(g, Control::CmdSort, false);
    // A hand given up in the middle may have left its panels or the knock offered.
    for (Control offer : {Control::FramDeclare, Control::FramMarriage, Control::LblKnock}) {
        SetVisible(g, offer, false);
    }
    g.Round2 = false;
    g.Round1 = true;
    for (Control label :
         {Control::LblLastTrickP, Control::LblLastTrickC, LblPLast(1), LblPLast(2)}) {
        SetCaption(g, label, "");
    }
    for (int i = 1; i <= CardCount; ++i) {
        CardRecord& card = g.CardTable[i];
        card.MeldColumn.fill(false);
        card.MeldUsed.fill(false);
        card.Location = LocStock;
        card.OnTable = false;
        ShowCardBack(g, i);
    }
    for (int p : {PlayerPerson, PlayerTarvish}) {
        g.TrickCard[p] = -1;
        g.CorvaneMade[p] = false;
        g.HandScore[p] = 0;
        g.HasLead[p] = false;
        g.LastTrickScore[p] = 0;
        g.TrickTotal[p] = 0;
        g.LastMeldScore[p] = 0;
        g.WinsGame[p] = false;
    }
    g.DixExchanged = false;
    g.ExchangedUpCard = NoCard;
    g.WaitingForPlayer = false;
    g.MeldMade = false;
    g.RoundNo = 0;
    g.TrumpSuit = 0;
    g.Round2Tricks = 0;
    g.UpCard = -1;
    g.StockCount = 0;
    g.Knocked = false;
    PlaySound(g, Sound::Riffle);
    RedrawStock(g);
}

void Deal(Game& g) {
    DealCards(g);
    if (g.GameInProgress) PlayRound1(g);
}

void DealCards(Game& g) {
    g.TarvishPileTop = TarvishPileTopAtDeal;
    g.PlayerPileTop = PlayerPileTopAtDeal;
    g.GameInProgress = true;
    SetVisible(g, Control::LblStock, true);

    // The cut for dealer: the deal passes to the player who did not deal last.
    if (g.Dealer != PlayerPerson) {
        g.Dealer = PlayerPerson;
        SetStatusLine(g, " a cut for dealer made and you will deal.");
    } else {
        g.Dealer = PlayerTarvish;
        SetStatusLine(g, " a cut for dealer was made and Tarvish will deal.");
    }
    PlaySound(g, Sound::Riffle);
    Pause(g);
    Pause(g);

    DealEightEach(g);
    if (!g.GameInProgress) return;

    g.UpCard = PickStockCard(g);
    ShowCardFace(g, g.UpCard);
    PlaceCard(g, g.UpCard, UpCardPlace);
    SetCardVisible(g, g.UpCard, true);
    g.CardTable[g.UpCard].Location = LocUpCard;
    g.TrumpSuit = g.CardTable[g.UpCard].Suit;

    RedrawStock(g);
    SortSame(g);
    SetCaption(g, Control::CmdSort, SortSuitsCaption);
    LayOutOpponentHand(g);
    ShowTrumps(g);

    g.StockCount = 48;
    g.CardsUsed = 16;
    SetCaption(g, Control::LblStock, "Stock " + std::to_string(g.StockCount));
    SetVisible(g, Control::CmdSort, true);

    // A Seven turned up scores ten for the dealer.
    if (g.CardTable[g.UpCard].Value == Seven) {
        const int dealer = g.Dealer;
        g.LastMeldScore[dealer] = 10;
        const std::string score = std::to_string(g.LastMeldScore[dealer]);
        SetCaption(g, Control::LblInfo,
                   dealer == PlayerTarvish ? " Tarvish turns up a 7 - Score- " + score
                                           : g.PlayerName + " turns up a 7 - Score- " + score);
        Pause(g);
        PostMeldScore(g, dealer);
    }

    g.RoundNo = 1;
    ShowTrickAndRound(g);

    if (g.Dealer == PlayerTarvish) {
        SetStatusLine(g, " please Left or Right click to play card.");
        g.WaitingForPlayer = true;
        g.HasLead[PlayerPerson] = true;
        g.HasLead[PlayerTarvish] = false;
    } else {
        SetStatusLine(g, " Tarvish to lead a card.");
        g.HasLead[PlayerTarvish] = true;
        g.HasLead[PlayerPerson] = false;
    }
    g.Round1 = true;
}

void DealCardToTarvish(Game& g) {
    g.PauseTime = DealStepPause;
    const int card = PickStockCard(g);
    g.CardTable[card].Location = LocTarvishHand;
    CarryIntoHand(g, PlayerTarvish, card);
    g.PauseTime = g.Speed;
}

// The person's cards stay face down until the hand is laid out sorted.
void DealCardToPlayer(Game& g) {
    g.PauseTime = DealStepPause;
    const int card = PickStockCard(g);
    g.CardTable[card].Location = LocPlayerHand;
    CarryIntoHand(g, PlayerPerson, card);
    g.PauseTime = g.Speed;
}

int PickStockCard(Game& g) {
    bool stockEmpty = true;
    for (int i = 1; i <= CardCount && stockEmpty; ++i)
        stockEmpty = g.CardTable[i].Location != LocStock;
    if (stockEmpty) return NoCard;  // never asked in play; better no card than no end
    for (;;) {
        // 64 comes only from the top half-interval, so it is drawn half as often as the others.
        int n = 0;
        while (n == 0) n = RoundHalfEven(g.Random.Uniform() * CardCount);
        if (g.CardTable[n].Location == LocStock) return n;
    }
}

void AbandonGame(Game& g) {
    g.GameInProgress = false;
    g.WaitingForPlayer = false;
    g.HandOver = true;
    if (Table* table = g.AttachedTable()) table->EndAllWaits();
}

}  // namespace corvane
