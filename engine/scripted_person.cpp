#include "scripted_person.h"

#include "declarations.h"
#include "display.h"
#include "game_state.h"
#include "hand_flow.h"

namespace corvane {

int ScriptedPerson::SuitToPlay() const {
    if (!g_.Round2 || g_.HasLead[PlayerPerson]) return 0;
    const int ledSuit = g_.CardTable[g_.TrickCard[1]].Suit;
    for (const int suit : {ledSuit, g_.TrumpSuit}) {
        for (int i = 1; i <= CardCount; ++i) {
            const CardRecord& card = g_.CardTable[i];
            if (card.Location == LocPlayerHand && card.Suit == suit) return suit;
        }
    }
    return 0;
}

void ScriptedPerson::Act() {
    if (IsVisible(g_, Control::LblKnock) && Below(100) < KnockPercent) {
        LblKnock_Click(g_);
        if (!g_.GameInProgress) return;
    }
    if (Below(100) < StrayPercent) PicCard_Click(g_, 1 + Below(CardCount));
    if (!g_.WaitingForPlayer) return;  // the stray click happened to be a legal play
    if (IsVisible(g_, Control::FramDeclare)) {
        Declare();
        return;
    }
    // A card chosen evenly among the legal ones.
    const int suit = SuitToPlay();
    int legal[CardCount];
    int count = 0;
    for (int i = 1; i <= CardCount; ++i) {
        const CardRecord& card = g_.CardTable[i];
        if (card.Location == LocPlayerHand && (suit == 0 || card.Suit == suit)) legal[count++] = i;
    }
    if (count > 0) PicCard_Click(g_, legal[Below(count)]);
}

void ScriptedPerson::Declare() {
    // A few buttons at random, most of them for melds the person does not hold; a refusal leaves
    // the turn open for the next.
    for (int press = 0; press < DeclarationTries && g_.WaitingForPlayer && g_.GameInProgress;
         ++press) {
        const int button = Below(7);
        if (button == 0) CmdCorvane_Click(g_);
        if (button == 1) CmdDCorvane_Click(g_);
        if (button == 2) CmdSequence_Click(g_);
        if (button == 3) cmdDec7Trumps_Click(g_);
        if (button == 4) CmdFours_Click(g_, Below(4));
        if (button >= 5) {
            CmdMakeMarriage_Click(g_);
            CmdMarriage_Click(g_, 1 + Below(4));
        }
    }
    if (g_.WaitingForPlayer) CmdCancel_Click(g_);
}

bool ScriptedTable::WaitForPlayer() {
    person_.Act();
    return true;
}

}  // namespace corvane
