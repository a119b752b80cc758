#pragma once

#include <string>

#include "game_state.h"
#include "search.h"

// The levels Tarvish plays at. Every level but Classic is a setting of the one search: how many
// deals it samples, how far it strays from the card that does best (a weaker player takes a
// worse card the more often the less it loses), whether it solves Round 2, and whether it
// searches its declarations or makes the meld worth most.

namespace corvane {

struct LevelSettings {
    expert::SearchSettings Search;
    bool SearchDeclaring = false;
};

// The levels the Options menu offers, weakest first.
inline constexpr OpponentLevel OfferedLevels[] = {
    OpponentLevel::Classic,  OpponentLevel::Beginner, OpponentLevel::Casual, OpponentLevel::Club,
    OpponentLevel::Seasoned, OpponentLevel::Expert,   OpponentLevel::Master};
// The level of the hints.
inline constexpr OpponentLevel StrongestLevel = OpponentLevel::Master;

const LevelSettings& SettingsOf(OpponentLevel level);

// "Classic", "Beginner", ...: the level as the menu, the status bar and the history name it.
const char* OpponentLevelName(OpponentLevel level);
// The level of a name or of a journal's number; Classic for one it does not know.
OpponentLevel LevelNamed(const std::string& name);
OpponentLevel LevelNumbered(int number);

}  // namespace corvane
