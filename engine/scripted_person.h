#pragma once

#include <cstdint>
#include <functional>

#include "person_action.h"
#include "random_source.h"
#include "table.h"

namespace corvane {

struct Game;

// A person played by a script, for soak runs, benchmarks and tests. At every wait it acts through
// the same click functions the window calls: mostly a legal card, now and then a stray click on a
// card that is not the person's to play or that the Round 2 rule refuses, the knock when it is
// offered, and in a declaring turn a few declaration buttons at random, then Cancel. Its choices
// come from its own seeded numbers, so a seeded game plays the same every time.
class ScriptedPerson {
public:
    ScriptedPerson(Game& g, std::uint64_t seed) : g_(g), random_(seed) {}
    void Reseed(std::uint64_t seed) { random_ = RandomSource(seed); }

    // Out of a hundred waits, how many begin with a stray click.
    int StrayPercent = 10;
    // Out of a hundred offers, how many the person knocks at.
    int KnockPercent = 50;
    // How many declaration buttons the person tries in a declaring turn before Cancel.
    int DeclarationTries = 3;

    // One turn of the person at a wait: always ends the wait unless the game ends first.
    void Act();

    // When set, every click goes through this (to be journaled, say) instead of straight to the
    // game; it must carry the action out.
    std::function<void(const PersonAction&)> Through;

private:
    // Presses declaration buttons at random until one declares, DeclarationTries at most, then
    // Cancel.
    void Declare();
    // The suit the Round 2 rule asks the person to play (follow suit, else trump), 0 for any.
    int SuitToPlay() const;
    int Below(int n) { return static_cast<int>(random_.Uniform() * n); }
    void ClickCard(int card);
    void ClickControl(const char* name);

    Game& g_;
    RandomSource random_;
};

// A table that shows and records nothing, whose clock jumps to every deadline, and at which a
// scripted person acts whenever the game waits: a whole game at full speed.
class ScriptedTable final : public NullTable {
public:
    explicit ScriptedTable(ScriptedPerson& person) : person_(person) {}
    bool WaitForPlayer() override;

private:
    ScriptedPerson& person_;
};

}  // namespace corvane
