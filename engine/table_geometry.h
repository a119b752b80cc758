#pragma once

// Every place on the table where the game puts a card, in twips of the 12888 by 9828 table.

namespace corvane {

struct TablePoint {
    int Left;
    int Top;
};

inline constexpr int TableWidth = 12888;
inline constexpr int TableHeight = 9828;
inline constexpr int CardWidth = 852;
inline constexpr int CardHeight = 1152;

// The stock slants down to the right from the top left corner, one step per card.
inline constexpr TablePoint StockOrigin{0, 0};
inline constexpr int StockStepLeft = 3;
inline constexpr int StockStepTop = 4;
inline constexpr TablePoint UpCardPlace{600, 240};

inline constexpr TablePoint TarvishHandOrigin{2500, 110};
inline constexpr int TarvishHandStep = 350;
// While dealing and drawing the person's row is spaced closer than when sorted.
inline constexpr TablePoint PlayerDealRowOrigin{2500, 8140};
inline constexpr int PlayerDealRowStep = 450;
inline constexpr TablePoint PlayerSortedRowOrigin{2500, 8160};
inline constexpr int PlayerSortedRowStep = 500;

inline constexpr TablePoint TarvishTrickPlace{1200, 2520};
inline constexpr TablePoint PlayerTrickPlace{1080, 4800};
inline constexpr int TrickPileLeft = 120;
inline constexpr int TarvishPileTopAtDeal = 2160;
inline constexpr int PlayerPileTopAtDeal = 4800;
inline constexpr int TrickPileStep = 50;

// Declared cards stand in one column per meld kind, at the same Left on both sides; each card
// of a column lies a step lower than the one before. The Double Corvane's cards stand in the
// Corvane column; the Dix has a place of its own.
inline constexpr int TarvishMeldColumnTop = 1560;
inline constexpr int PlayerMeldColumnTop = 4560;
inline constexpr int MeldColumnStep = 250;
inline constexpr int CorvaneColumnLeft = 2400;
inline constexpr int FourQueensColumnLeft = 3360;
inline constexpr int RunColumnLeft = 4320;
inline constexpr int FourAcesColumnLeft = 5280;
inline constexpr int FourJacksColumnLeft = 6240;
inline constexpr int FourKingsColumnLeft = 7200;
inline constexpr int MarriageColumnLeft = 9120;
inline constexpr TablePoint PlayerDixPlace{2280, 6000};
inline constexpr TablePoint TarvishDixPlace{2280, 3120};

// The points a card passes on its way from one place to another.
inline constexpr TablePoint StockToTarvishPath[] = {{1080, 1320}, {2760, 1220}};
inline constexpr TablePoint StockToPlayerPath[] = {{1080, 2280}, {1920, 4560}, {3360, 6120}};
inline constexpr TablePoint TarvishPlayVia{3120, 2400};
inline constexpr TablePoint PlayerPlayVia{2280, 5760};
// A declared card on its way out of the hand, before the columns are laid out.
inline constexpr TablePoint PlayerMeldPath[] = {{4320, 6480}, {5520, 5640}};
inline constexpr TablePoint TarvishMeldPath[] = {{3960, 960}, {4560, 1680}};
// A Seven declared as Dix without exchange, on its way to its Dix place.
inline constexpr TablePoint PlayerDixPath[] = {{3720, 6360}, {3360, 4560}};
inline constexpr TablePoint TarvishDixPath[] = {{3600, 1200}, {2520, 2280}};
// The Dix exchange. The person's Seven goes this way to the up-card place and the former up card
// comes back the other way; the former up card goes this way into Tarvish's hand and Tarvish's
// Seven comes back the other way.
inline constexpr TablePoint PlayerDixExchangePath[] = {{2280, 5640}, {1080, 3000}, {720, 1440}};
inline constexpr TablePoint TarvishDixExchangePath[] = {{1560, 1440}, {3360, 1320}, {3960, 840}};

}  // namespace corvane
