#pragma once

#include <cstdint>

namespace corvane {

// Plays a fixed set of seeded games, the person played by a seeded script, and folds every game's
// final totals and winner into one number. A change to the rules' behaviour changes the number; a
// change that should not alter behaviour leaves it as it is.
std::uint64_t PlaySignatureGames(int games = 200);

}  // namespace corvane
