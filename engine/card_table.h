#pragma once

#include <array>
#include <string>

namespace corvane {

struct Game;

inline constexpr int CardCount = 64;
inline constexpr int NoCard = 0;

// Player numbers; a card in a player's holding stores the player number as its location.
inline constexpr int PlayerPerson = 1;
inline constexpr int PlayerTarvish = 2;

// Where a card is.
inline constexpr int LocPlayerHand = 1;
inline constexpr int LocTarvishHand = 2;
inline constexpr int LocStock = 7;
inline constexpr int LocTrick = 8;
inline constexpr int LocUpCard = 9;

// Suit codes, in the order of the card indices.
inline constexpr int Diamonds = 3;
inline constexpr int Clubs = 4;
inline constexpr int Hearts = 5;
inline constexpr int Spades = 6;
inline constexpr std::array<int, 4> SuitOrder{Diamonds, Clubs, Hearts, Spades};

// Value codes.
inline constexpr int Ace = 1;
inline constexpr int Seven = 7;
inline constexpr int Eight = 8;
inline constexpr int Nine = 9;
inline constexpr int Ten = 10;
inline constexpr int Jack = 11;
inline constexpr int Queen = 12;
inline constexpr int King = 13;

// Values from the weakest to the strongest: the Ten ranks above the King, the Ace above all.
inline constexpr std::array<int, 8> RankOrder{Seven, Eight, Nine, Jack, Queen, King, Ten, Ace};

// Meld kinds; they index MeldUsed and MeldColumn.
inline constexpr int MeldDix = 1;
inline constexpr int MeldRun = 2;
inline constexpr int MeldMarriage = 3;
inline constexpr int MeldFourKings = 4;
inline constexpr int MeldFourQueens = 5;
inline constexpr int MeldFourJacks = 6;
inline constexpr int MeldCorvane = 7;
inline constexpr int MeldDoubleCorvane = 8;
inline constexpr int MeldFourAces = 9;
inline constexpr int MeldKindCount = 9;

// Picture numbers of the card images: 1..64 are the faces, then the back and the suit symbols.
inline constexpr int ImageBack = 65;
inline constexpr int SuitSymbolImage(int suit) {
    return suit + 63;
}

struct CardRecord {
    std::string Name;
    int Value = 0;
    int Suit = 0;
    int Location = 0;
    bool OnTable = false;                              // lies face up as part of a meld
    std::array<bool, MeldKindCount + 1> MeldUsed{};    // has served in a meld of kind k
    std::array<bool, MeldKindCount + 1> MeldColumn{};  // is drawn in the column of kind k
};

// Element 0 is unused: card indices run from 1 to 64.
using CardTableArray = std::array<CardRecord, CardCount + 1>;

// Fills the name, value and suit of all 64 cards; nothing else.
void BuildCardTable(Game& g);

// Position of a value in RankOrder: 0 for a Seven up to 7 for an Ace; -1 for no value.
constexpr int StrengthRank(int value) {
    for (int rank = 0; rank < static_cast<int>(RankOrder.size()); ++rank) {
        if (RankOrder[rank] == value) return rank;
    }
    return -1;
}

// The pack is laid out by suit (Diamonds, Clubs, Hearts, Spades), each suit from its Seven to
// its Ace with the two copies of a card side by side, so a card's index follows from its suit,
// value and copy (1 or 2). NoCard for a suit or value that is none.
constexpr int CardIndex(int suit, int value, int copy) {
    const int rank = StrengthRank(value);
    if (suit < Diamonds || suit > Spades || rank < 0) return NoCard;
    return (suit - Diamonds) * (CardCount / 4) + rank * 2 + copy;
}

// True when a card of `value` beats a card of `other` in the same suit. Equal values never beat
// each other: of two identical cards the one led wins.
bool Outranks(int value, int other);

// Aces and Tens, worth ten points in a trick.
bool IsBrisque(int value);

std::string SuitName(int suit);

}  // namespace corvane
