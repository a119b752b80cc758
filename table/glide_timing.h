#pragma once

#include <QEasingCurve>

// How the cards glide from one place to the next during the pause that follows a move.

namespace corvane {

// A pause shorter than this is over before the screen could show the card in between: its cards
// jump, as the dealing moves do.
inline constexpr int ShortestGlideMs = 40;
// The time between two pictures of a glide, about one refresh of the screen.
inline constexpr int GlideFrameMs = 16;
// Quick off the mark and settling into place, so the card is near its place early in the pause.
inline constexpr QEasingCurve::Type GlideEasing = QEasingCurve::OutCubic;

}  // namespace corvane
