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

inline constexpr int TarvishMeldColumnTop = 1560;
inline constexpr int PlayerMeldColumnTop = 4560;
inline constexpr int MeldColumnStep = 250;
inline constexpr TablePoint PlayerDixPlace{2280, 6000};
inline constexpr TablePoint TarvishDixPlace{2280, 3120};

// The points a card passes on its way from one place to another.
inline constexpr TablePoint StockToTarvishPath[] = {{1080, 1320}, {2760, 1220}};
inline constexpr TablePoint StockToPlayerPath[] = {{1080, 2280}, {1920, 4560}, {3360, 6120}};
inline constexpr TablePoint TarvishPlayVia{3120, 2400};
inline constexpr TablePoint PlayerPlayVia{2280, 5760};

}  // namespace corvane
