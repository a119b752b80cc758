#include "game_runner.h"

#include <QString>

#include <string_view>

#include "card_layout.h"
#include "declarations.h"
#include "game_state.h"
#include "hand_flow.h"

namespace corvane {

namespace {

struct ControlAction {
    std::string_view Name;  // the design name of the button or clickable label
    void (*Click)(Game&);
};

// What each clickable control of the table does.
constexpr ControlAction kControlActions[] = {
    {"CmdSort", CmdSort_Click},
    {"LblKnock", LblKnock_Click},
    {"CmdCancel", CmdCancel_Click},
    {"CmdCorvane", CmdCorvane_Click},
    {"CmdDCorvane", CmdDCorvane_Click},
    {"CmdSequence", CmdSequence_Click},
    {"CmdFours(0)", [](Game& g) { CmdFours_Click(g, 0); }},
    {"CmdFours(1)", [](Game& g) { CmdFours_Click(g, 1); }},
    {"CmdFours(2)", [](Game& g) { CmdFours_Click(g, 2); }},
    {"CmdFours(3)", [](Game& g) { CmdFours_Click(g, 3); }},
    {"cmdDec7Trumps", cmdDec7Trumps_Click},
    {"CmdMakeMarriage", CmdMakeMarriage_Click},
    {"CmdMarriage(1)", [](Game& g) { CmdMarriage_Click(g, 1); }},
    {"CmdMarriage(2)", [](Game& g) { CmdMarriage_Click(g, 2); }},
    {"CmdMarriage(3)", [](Game& g) { CmdMarriage_Click(g, 3); }},
    {"CmdMarriage(4)", [](Game& g) { CmdMarriage_Click(g, 4); }},
    {"Command1", Command1_Click},
};

}  // namespace

GameRunner::GameRunner(Game& game, QObject* parent) : QObject(parent), runner_(game) {
    runner_.OnIdle = [this] { emit idle(); };
}

void GameRunner::clickCard(int card) {
    act([card](Game& g) { PicCard_Click(g, card); });
}

void GameRunner::clickControl(const QString& name) {
    const QByteArray utf8 = name.toUtf8();
    const std::string_view wanted(utf8.constData(), static_cast<std::size_t>(utf8.size()));
    for (const ControlAction& action : kControlActions) {
        if (action.Name == wanted) act(action.Click);
    }
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
