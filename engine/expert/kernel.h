#pragma once

#include <bit>
#include <cstdint>

// A compact model of one hand for search: every card set is a 64-bit mask (bit i - 1 for card
// index i, so the two copies of a card are two bits side by side), the marks that keep a card
// from serving twice in one kind are one mask per kind, and the whole state copies as plain
// bytes. The engine plays the game on the table; this plays it fast, and a test holds the two to
// the same rules.

namespace corvane::expert {

using Mask = std::uint64_t;

constexpr Mask Bit(int card) {
    return Mask{1} << (card - 1);
}
// The lowest card of a mask; the mask must not be empty.
inline int FirstCard(Mask m) {
    return std::countr_zero(m) + 1;
}
inline int LastCard(Mask m) {
    return 64 - std::countl_zero(m);
}
inline int CountCards(Mask m) {
    return std::popcount(m);
}
// Without a popcount instruction in the generic build, cheaper than counting.
inline bool AtLeastFour(Mask m) {
    m &= m - 1;
    m &= m - 1;
    m &= m - 1;
    return m != 0;
}

constexpr int SuitOf(int card) {
    return (card - 1) / 16 + 3;
}
// 0 for a Seven up to 7 for an Ace: the order in which cards of one suit beat each other.
constexpr int RankOf(int card) {
    return ((card - 1) % 16) / 2;
}
constexpr Mask SuitCards(int suit) {
    return Mask{0xFFFF} << ((suit - 3) * 16);
}
// Both copies of a rank in every suit.
constexpr Mask RankCards(int rank) {
    return Mask{0x0003000300030003} << (rank * 2);
}

inline constexpr int RankSeven = 0, RankJack = 3, RankQueen = 4, RankKing = 5, RankTen = 6,
                     RankAce = 7;
inline constexpr Mask Brisques = RankCards(RankTen) | RankCards(RankAce);
inline constexpr Mask JacksOfDiamonds = Bit(7) | Bit(8);
inline constexpr Mask QueensOfSpades = Bit(57) | Bit(58);

constexpr int Other(int player) {
    return 3 - player;
}

// The points a card brings to a trick: ten for an Ace, a Ten or a Seven of trumps.
constexpr Mask PointCards(int trump) {
    return Brisques | (SuitCards(trump) & RankCards(RankSeven));
}
inline int CardPoints(int card, int trump) {
    return (PointCards(trump) & Bit(card)) ? 10 : 0;
}

// True when the card led wins against the card played to it.
constexpr bool LedWins(int led, int followed, int trump) {
    if (SuitOf(led) == SuitOf(followed)) return RankOf(followed) <= RankOf(led);
    return SuitOf(followed) != trump || SuitOf(led) == trump;
}

// The cards of the same suit that beat `card`: the higher ranks, both copies.
inline Mask Above(int card) {
    const int rank = RankOf(card);
    if (rank == RankAce) return 0;
    const int shift = (SuitOf(card) - 3) * 16 + 2 * (rank + 1);
    return SuitCards(SuitOf(card)) & ~((Mask{1} << shift) - 1);
}

// A declaration: its kind (the meld kind numbers of the game, 0 for none), the suit of a marriage,
// the cards it lays out and its points.
struct MeldOption {
    int Kind = 0;
    int Suit = 0;
    Mask Cards = 0;
    int Points = 0;
    bool operator==(const MeldOption&) const = default;
};
inline constexpr int MaxMeldOptions = 12;

// One hand as the search sees it. Holdings are hand and declared cards together, as in the game.
struct HandState {
    Mask Held[3]{};
    Mask OnTable = 0;
    Mask Used[10]{};  // by meld kind (MeldDix ...): the card has served in a meld of that kind
    Mask Played = 0;
    std::int8_t Trump = 0;
    std::int8_t UpCard = 0;
    std::int8_t Leader = 1;  // leads the trick in progress
    std::int8_t Led = 0;     // the card led to it, 0 until then
    std::int8_t Round = 1;
    std::int8_t Tricks = 0;      // completed in the current round
    std::int8_t StockLeft = 0;   // face-down cards left in the stock, the up card not counted
    std::int8_t GameWinner = 0;  // set when the game ends in this hand
    bool DixExchanged = false;
    bool CorvaneMade[3]{};
    std::int16_t HandScore[3]{};
    std::int16_t TrickTotal[3]{};
    std::int16_t GameTotal[3]{};
    std::int16_t Target = 1000;

    bool operator==(const HandState&) const = default;
    int ToPlay() const { return Led == 0 ? Leader : Other(Leader); }
};

inline constexpr int RoundOneTricks = 23;
inline constexpr int RoundTwoTricks = 9;

// The cards `player` may play now: any in Round 1; in Round 2 the follower must follow suit, else
// trump.
Mask LegalPlays(const HandState& s, int player);

// Every declaration the player's holding allows now, with its points; returns the count.
int MeldOptions(const HandState& s, int player, MeldOption out[MaxMeldOptions]);
// Lays the declaration out: marks, the Dix exchange, points into the hand and game totals.
void ApplyMeld(HandState& s, int player, const MeldOption& meld);
// The declaration worth most, or Kind 0 when there is none.
MeldOption BestMeld(const HandState& s, int player);

// Puts `card` of the player to play into the trick; a second card decides the trick, scores it
// and gives the lead to its winner. Returns the winner when the trick is complete, else 0.
int PlayCard(HandState& s, int card);
// What follows a Round 1 trick led by Tarvish: it knocks when it alone has reached the target,
// and the person, alone there, is taken to knock at once.
void CheckTargetAfterTarvishLead(HandState& s);
// The player takes a card from the stock (or the up card).
void TakeCard(HandState& s, int player, int card);
// The marks go and Round 2 begins, led by the winner of the last trick.
void SwitchToRoundTwo(HandState& s);
// Trick points into the totals, the target raised when both are over it, and the winner.
void EndOfHand(HandState& s);
inline bool HandDone(const HandState& s) {
    return s.GameWinner != 0 || (s.Round == 2 && s.Tricks == RoundTwoTricks);
}

}  // namespace corvane::expert
