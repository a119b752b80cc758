#include "game_record.h"
#include "expert/levels.h"

namespace corvane {

int HandSummary::MeldPoints(int player) const {
    int points = 0;
    for (const MeldEntry& meld : Melds) {
        if (meld.Player == player) points += meld.Points;
    }
    return points;
}

const char* MeldKindName(int kind) {
    static constexpr const char* kNames[] = {
        "Seven turned up", "Dix",        "Run in trumps", "Marriage",       "Four Kings",
        "Four Queens",     "Four Jacks", "Corvane",       "Double Corvane", "Four Aces"};
    return kind >= 0 && kind <= MeldKindCount ? kNames[kind] : "";
}

const char* LevelName(OpponentLevel level) {
    return OpponentLevelName(level);
}

}  // namespace corvane
