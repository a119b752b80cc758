#pragma once

#include <string>
#include <string_view>

namespace corvane {

struct Game;

// One thing the person does that changes the game in progress: a click on a card picture or on a
// button or clickable label of the table, or a change of a preference the game reads as it goes.
// The same action on the same game at the same moment always has the same effect.
struct PersonAction {
    enum class Kind { Card = 1, Control = 2, Target = 3, Speed = 4, Name = 5, Level = 6 };
    Kind What = Kind::Card;
    int Value = 0;     // the card index, the target, the speed or the level
    std::string Text;  // the control's design name, or the name

    bool operator==(const PersonAction&) const = default;
};

// Carries the action out on the game: the click function, or the preference set as the menu sets
// it (without the menu's dialog). A control name the game does not know does nothing.
void Perform(Game& g, const PersonAction& action);

// Whether the table has a clickable control of this design name.
bool IsClickableControl(std::string_view name);

}  // namespace corvane
