#pragma once

// The rhythm of play: how long each kind of step waits, in milliseconds, on top of Speed where
// it says so.

namespace corvane {

inline constexpr int DealStepPause = 5;  // every dealing move, whatever the speed
inline constexpr int PlayCardExtra = 150;
inline constexpr int GatherTrickExtra = 250;
inline constexpr int DrawExtra = 200;
inline constexpr int TakeCardExtra = 300;
inline constexpr int MeldLayoutExtra = 150;
inline constexpr int DixExtra = 200;
inline constexpr int TarvishKnockPause = 1000;
inline constexpr int PlayerKnockPause = 700;

}  // namespace corvane
