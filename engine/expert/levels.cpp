#include "levels.h"

namespace corvane {

namespace {

using expert::Draws;
using expert::Rollout;

// Calibrated with bench/expert_strength so that each level wins about 70 % of its games against
// the one below it, from both seats.
struct LevelEntry {
    OpponentLevel Level;
    const char* Name;
    LevelSettings Settings;
};
constexpr LevelEntry kLevels[] = {
    {OpponentLevel::Classic, "Classic", {}},
    {OpponentLevel::Beginner, "Beginner", {{8, Draws::FixedPerPlayer, false, 400, 19}, false}},
    {OpponentLevel::Casual, "Casual", {{8, Draws::FixedPerPlayer, false, 400, 12}, false}},
    {OpponentLevel::Club, "Club", {{8, Draws::FixedPerPlayer, false, 400, 6}, false}},
    // From Seasoned up the deals are played out by the melding rules: with plain sense alone
    // more deals stop paying, since no deal then shows what keeping a meld together is worth.
    {OpponentLevel::Seasoned,
     "Seasoned",
     {{16, Draws::FixedPerPlayer, true, 400, 4, 0, 0, Rollout::Melding}, false}},
    {OpponentLevel::Expert,
     "Expert",
     {{64, Draws::FixedPerPlayer, true, 400, 0, 4, 10, Rollout::Melding}, true}},
    {OpponentLevel::Master,
     "Master",
     {{1000, Draws::FixedPerPlayer, true, 400, 0, 4, 10, Rollout::Melding}, true}},
    // The yardsticks: plain sense alone, the plain 40-deal search, and the Expert as it was.
    {OpponentLevel::Baseline, "Baseline", {{0, Draws::InStockOrder, false, 0}, false}},
    {OpponentLevel::PlainSearch, "Plain search", {expert::PlainSearch, false}},
    {OpponentLevel::OldExpert, "Old Expert", {expert::ExpertSearch, false}},
};

const LevelEntry& EntryOf(OpponentLevel level) {
    for (const LevelEntry& entry : kLevels) {
        if (entry.Level == level) return entry;
    }
    return kLevels[0];
}

}  // namespace

const LevelSettings& SettingsOf(OpponentLevel level) {
    return EntryOf(level).Settings;
}

const char* OpponentLevelName(OpponentLevel level) {
    return EntryOf(level).Name;
}

OpponentLevel LevelNamed(const std::string& name) {
    for (const LevelEntry& entry : kLevels) {
        if (name == entry.Name) return entry.Level;
    }
    return OpponentLevel::Classic;
}

OpponentLevel LevelNumbered(int number) {
    for (const LevelEntry& entry : kLevels) {
        if (static_cast<int>(entry.Level) == number) return entry.Level;
    }
    return OpponentLevel::Classic;
}

}  // namespace corvane
