#include <initializer_list>
#include <iterator>
#include <string>

#include "card_layout.h"
#include "declaration_steps.h"
#include "declarations.h"
#include "display.h"
#include "pacing.h"
#include "readouts.h"
#include "table_geometry.h"

namespace corvane {

namespace {

// Moves a card through `path`, pausing at every point but the last.
template <typename Path>
void Travel(Game& g, int card, const Path& path) {
    for (auto point = std::begin(path); point != std::end(path); ++point) {
        PlaceCard(g, card, *point);
        if (std::next(point) != std::end(path)) Pause(g);
    }
}

void BookDix(Game& g, int player, const std::string& info) {
    SetCaption(g, Control::LblInfo, info);
    g.LastMeldKind = MeldDix;
    g.LastMeldScore[player] = MeldPoints(g, MeldDix, {}, player);
    PostMeldScore(g, player);
}

void PersonExchanges(Game& g, int seven) {
    const int formerUpCard = g.UpCard;
    g.ExchangedUpCard = formerUpCard;
    g.CardTable[seven].Location = LocUpCard;
    g.CardTable[seven].OnTable = true;
    g.CardTable[formerUpCard].Location = LocPlayerHand;

    Travel(g, seven,
           std::initializer_list<TablePoint>{PlayerDixExchangePath[0], PlayerDixExchangePath[1],
                                             PlayerDixExchangePath[2], UpCardPlace});
    PlayDealSound(g);
    RedrawStock(g);

    Travel(g, formerUpCard,
           std::initializer_list<TablePoint>{PlayerDixExchangePath[2], PlayerDixExchangePath[1],
                                             PlayerDixExchangePath[0]});
    ShowCardFace(g, formerUpCard);
    SetCardVisible(g, formerUpCard, true);
    PlayDealSound(g);
    RefreshHand(g);

    g.UpCard = seven;
    BookDix(g, PlayerPerson, g.PlayerName + " melded and swapped Dix for 10 points");
    g.DixExchanged = true;
}

void PersonLaysDix(Game& g, int seven) {
    g.CardTable[seven].OnTable = true;
    Travel(g, seven, PlayerDixPath);
    PlayDealSound(g);
    PlaceCard(g, seven, PlayerDixPlace);
    PlayCardDownSound(g);
    g.CardTable[seven].MeldUsed[MeldDix] = true;
    LayOutMeldColumns(g, PlayerPerson);
    BookDix(g, PlayerPerson, g.PlayerName + "  melded Dix for 10 points");
}

void TarvishExchanges(Game& g, int seven) {
    const int formerUpCard = g.UpCard;
    g.ExchangedUpCard = formerUpCard;
    g.CardTable[seven].Location = LocUpCard;
    g.CardTable[seven].OnTable = true;
    g.CardTable[formerUpCard].Location = LocTarvishHand;

    Travel(g, formerUpCard, TarvishDixExchangePath);
    PlayDealSound(g);
    LayOutOpponentHand(g);
    g.UpCard = seven;

    ShowCardFace(g, seven);
    PlaceCard(g, seven, TarvishDixExchangePath[2]);
    PlayDealSound(g);
    Travel(g, seven,
           std::initializer_list<TablePoint>{TarvishDixExchangePath[1], TarvishDixExchangePath[0],
                                             UpCardPlace});
    ShowCardFace(g, seven);
    SetCardVisible(g, seven, true);
    PlayDealSound(g);
    RedrawStock(g);

    BookDix(g, PlayerTarvish, "Tarvish melded and swapped Dix for 10 points.");
    g.DixExchanged = true;
}

void TarvishLaysDix(Game& g, int seven) {
    g.CardTable[seven].OnTable = true;
    g.CardTable[seven].MeldUsed[MeldDix] = true;
    ShowCardFace(g, seven);
    Travel(
        g, seven,
        std::initializer_list<TablePoint>{TarvishDixPath[0], TarvishDixPath[1], TarvishDixPlace});
    PlayCardDownSound(g);
    BookDix(g, PlayerTarvish, "Tarvish Melded Dix for 10 points.");
}

}  // namespace

void DeclareDix(Game& g, int player) {
    g.MeldMade = false;
    g.PauseTime = g.Speed + DixExtra;
    const int seven = FindDixSeven(g, player);
    if (seven == NoCard) {
        g.PauseTime = g.Speed;
        return;
    }
    TakeDeclaration(g, Control::FramDeclare);

    // The first Dix of a hand is exchanged for the up card; the person lays it down instead when
    // the up card is itself a Seven.
    const bool upCardIsSeven = g.UpCard >= 1 && g.CardTable[g.UpCard].Value == Seven;
    const bool exchange =
        !g.DixExchanged && g.UpCard >= 1 && (player == PlayerTarvish || !upCardIsSeven);
    if (player == PlayerPerson && exchange) {
        PersonExchanges(g, seven);
    } else if (player == PlayerPerson) {
        PersonLaysDix(g, seven);
    } else if (exchange) {
        TarvishExchanges(g, seven);
    } else {
        TarvishLaysDix(g, seven);
    }
    g.PauseTime = g.Speed;
}

}  // namespace corvane
