#include "person_action.h"

#include "card_layout.h"
#include "declarations.h"
#include "display.h"
#include "expert/levels.h"
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

const ControlAction* FindControl(std::string_view name) {
    for (const ControlAction& action : kControlActions) {
        if (action.Name == name) return &action;
    }
    return nullptr;
}

}  // namespace

bool IsClickableControl(std::string_view name) {
    return FindControl(name) != nullptr;
}

void Perform(Game& g, const PersonAction& action) {
    switch (action.What) {
        case PersonAction::Kind::Card:
            PicCard_Click(g, action.Value);
            break;
        case PersonAction::Kind::Control:
            if (const ControlAction* control = FindControl(action.Text)) control->Click(g);
            break;
        case PersonAction::Kind::Target:
            g.TargetScore = action.Value;
            SetWindowCaption(g, "Corvane - Target " + std::to_string(action.Value));
            break;
        case PersonAction::Kind::Speed:
            g.Speed = action.Value;
            break;
        case PersonAction::Kind::Name:
            g.PlayerName = action.Text;
            for (const Control label : {Control::LblPlayer, Lblpname(0), Lblpname(1)}) {
                SetCaption(g, label, g.PlayerName);
            }
            break;
        case PersonAction::Kind::Level:
            g.TarvishLevel = LevelNumbered(action.Value);
            break;
    }
}

}  // namespace corvane
