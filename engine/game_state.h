#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "card_table.h"
#include "game_observer.h"
#include "random_source.h"
#include "table.h"
#include "table_geometry.h"

namespace corvane {

// Pause lengths in milliseconds.
inline constexpr int SpeedFast = 15;
inline constexpr int SpeedMedium = 75;
inline constexpr int SpeedSlow = 200;

// What the game remembers of a named control; the table shows it.
struct ControlState {
    std::string Caption;
    bool Visible = false;
};

// The design state of a control, as the window opens.
ControlState DesignState(Control control);

// Who plays Tarvish: the fixed rules the game has always had, or a level of the search over
// sampled deals. The numbers are kept in journals, so Classic and Expert keep 0 and 1; the last
// three are the strength tool's yardsticks and are never offered.
enum class OpponentLevel {
    Classic,
    Expert,
    Beginner,
    Casual,
    Club,
    Seasoned,
    Master,
    Baseline,
    PlainSearch,
    OldExpert
};

// Per-player arrays are indexed by the player number 1 or 2; element 0 is unused.
template <typename T>
using PerPlayer = std::array<T, 3>;

// The whole game: the card table, the state of the game in progress, the preferences and the
// statistics. Every operation of the game reads and writes these fields directly.
struct Game {
    Game();

    CardTableArray CardTable;

    // Preferences and statistics, kept in the settings file.
    std::string PlayerName = "Player";
    int Speed = SpeedMedium;
    int TargetScore = 1000;
    PerPlayer<int> Stats{};
    // Kept with the window's preferences, not in the settings file.
    OpponentLevel TarvishLevel = OpponentLevel::Classic;

    // The game.
    bool GameInProgress = false;
    // The running hand can no longer go on: the game ended inside it, or it was given up. Whatever
    // of it is still on the stack unwinds without showing, playing or asking anything more.
    bool HandOver = false;
    PerPlayer<int> GameTotal{};
    int Dealer = 0;
    PerPlayer<bool> WinsGame{};

    // The hand.
    int CardsUsed = 0;   // taken from the pack by deal and draws; the up card is not counted
    int StockCount = 0;  // left in the stock, the up card included
    int UpCard = -1;
    int TrumpSuit = 0;
    int RoundNo = 0;
    bool Round1 = false;
    bool Round2 = false;
    int Round2Tricks = 0;
    PerPlayer<int> HandScore{};
    PerPlayer<int> TrickTotal{};
    PerPlayer<int> LastTrickScore{};
    PerPlayer<int> LastMeldScore{};
    int LastMeldKind = 0;  // the kind of meld LastMeldScore is for; 0 for a Seven turned up
    PerPlayer<bool> CorvaneMade{};
    bool DixExchanged = false;
    // The up card a Dix exchange took into a hand, seen by both; NoCard before the exchange.
    int ExchangedUpCard = NoCard;
    bool MeldMade = false;
    bool Knocked = false;
    int TarvishPileTop = 0;
    int PlayerPileTop = 0;

    // The trick. TrickCard is by position: 1 is the card led, 2 the card played to it.
    PerPlayer<int> TrickCard{0, -1, -1};
    PerPlayer<bool> HasLead{};
    int TrickWinner = 0;
    bool WaitingForPlayer = false;

    // Pacing and the message dialog.
    int PauseTime = 0;
    std::int64_t PauseStart = 0;
    // How long Tarvish thought about its last choice; the next pause is that much shorter, so the
    // pace of the game stays as it is.
    std::int64_t ThinkingTime = 0;
    int DialogChoice = 0;
    // How many times the game has let the person act so far: every pause that waits and every
    // wait for the person. The journal keeps each action with it, and replays it there.
    std::int64_t InputMoments = 0;
    // Told of the melds and trick points booked, for the game's history; none by default.
    GameObserver* Observer = nullptr;

    // The captions and visibility of the named controls, indexed by Control.
    std::array<ControlState, ControlCount> Controls;
    // Where each card picture was last placed, by card index.
    std::array<TablePoint, CardCount + 1> PicturePlace{};

    RandomSource Random;

    // Until a table is attached the game runs headlessly (see NullTable). While the hand is
    // over, what is left of it goes to the null table too, and so shows nothing.
    void AttachTable(Table* table) { attached_ = table; }
    Table& Display() const { return attached_ != nullptr && !HandOver ? *attached_ : headless_; }
    Table* AttachedTable() const { return attached_; }

private:
    Table* attached_ = nullptr;
    mutable NullTable headless_;
};

bool IsTrump(const Game& g, int card);

}  // namespace corvane
