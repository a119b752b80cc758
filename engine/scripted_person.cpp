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

void ScriptedPerson::ClickCard(int card) {
    const PersonAction action{PersonAction::Kind::Card, card, {}};
    if (Through) {
        Through(action);
    } else {
        Perform(g_, action);
    }
}

void ScriptedPerson::ClickControl(const char* name) {
    const PersonAction action{PersonAction::Kind::Control, 0, name};
    if (Through) {
        Through(action);
    } else {
        Perform(g_, action);
    }
}

void ScriptedPerson::Act() {
    if (IsVisible(g_, Control::LblKnock) && Below(100) < KnockPercent) {
        ClickControl("LblKnock");
        if (!g_.GameInProgress) return;
    }
    if (Below(100) < StrayPercent) ClickCard(1 + Below(CardCount));
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
    if (count > 0) ClickCard(legal[Below(count)]);
}

void ScriptedPerson::Declare() {
    // A few buttons at random, most of them for melds the person does not hold; a refusal leaves
    // the turn open for the next.
    for (int press = 0; press < DeclarationTries && g_.WaitingForPlayer && g_.GameInProgress;
         ++press) {
        static constexpr const char* kButtons[] = {"CmdCorvane", "CmdDCorvane", "CmdSequence",
                                                   "cmdDec7Trumps"};
        static constexpr const char* kFours[] = {"CmdFours(0)", "CmdFours(1)", "CmdFours(2)",
                                                 "CmdFours(3)"};
        static constexpr const char* kMarriages[] = {"CmdMarriage(1)", "CmdMarriage(2)",
                                                     "CmdMarriage(3)", "CmdMarriage(4)"};
        const int button = Below(7);
        if (button < 4) ClickControl(kButtons[button]);
        if (button == 4) ClickControl(kFours[Below(4)]);
        if (button >= 5) {
            ClickControl("CmdMakeMarriage");
            ClickControl(kMarriages[Below(4)]);
        }
    }
    if (g_.WaitingForPlayer) ClickControl("CmdCancel");
}

bool ScriptedTable::WaitForPlayer() {
    person_.Act();
    return true;
}

}  // namespace corvane
