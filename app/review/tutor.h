#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace corvane {

struct Game;
namespace review {
struct DecisionPoint;
}

// Options, Tutor: before the person's card is played or declaration made, a choice that would be
// graded a mistake or worse is questioned, once for each decision, with its cost and the better
// choice. It judges
// from the person's own view, so it never tells of a card the person could not see.
class Tutor {
public:
    bool isOn() const { return on_; }
    void setOn(bool on) { on_ = on; }

    // The question to ask before `card` is played, or nothing when the card may go ahead.
    std::optional<QString> question(const Game& g, int card);
    // The same before declaring panel button `button` is pressed.
    std::optional<QString> question(const Game& g, const QString& button);

private:
    std::optional<QString> ask(const review::DecisionPoint& point);

    bool on_ = false;
    std::uint64_t asked_ = 0;  // the view of the decision last questioned
};

}  // namespace corvane
