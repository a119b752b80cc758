#pragma once

#include <string>

#include "game_state.h"
#include "search.h"

// The levels Tarvish plays at. Every level but Classic is a setting of the one search: how many
// deals it samples, how often it plays the plain-sense card instead, and whether it searches its
// declarations or makes the meld worth most.

namespace corvane {

struct LevelSettings {
    expert::SearchSettings Search;
    int PlainShare = 0;  // of a hundred decisions, how many take the plain-sense choice
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
