#include "game_runner.h"

#include <QString>

#include <string>

#include "card_layout.h"
#include "game_state.h"
#include "hand_flow.h"

namespace corvane {

GameRunner::GameRunner(Game& game, QObject* parent) : QObject(parent), runner_(game) {
    runner_.OnIdle = [this] { emit idle(); };
}

void GameRunner::perform(const PersonAction& action) {
    // Written down before it is carried out: a game cut short in the middle of the action
    // replays it whole.
    if (onAction) onAction(action);
    act([action](Game& g) { Perform(g, action); });
}

void GameRunner::clickCard(int card) {
    perform({PersonAction::Kind::Card, card, {}});
}

void GameRunner::clickControl(const QString& name) {
    const std::string wanted = name.toStdString();
    if (IsClickableControl(wanted)) perform({PersonAction::Kind::Control, 0, wanted});
}

PersonsCards CardsToChoose(const Game& g) {
    PersonsCards cards;
    if (!g.GameInProgress) return cards;
    for (int i = 1; i <= CardCount; ++i) {
        if (g.CardTable[i].Location == LocPlayerHand) cards.Held.push_back(i);
    }
    cards.MayPlay = WaitsForPersonsCard(g);
    return cards;
}

}  // namespace corvane
