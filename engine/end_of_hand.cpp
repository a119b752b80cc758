#include <string>

#include "card_layout.h"
#include "display.h"
#include "hand_flow.h"
#include "pacing.h"

// The end of a hand, the target score, the knock and the end of a game.

namespace corvane {

namespace {

constexpr int TargetRise = 250;

bool PersonAloneAtTarget(const Game& g) {
    return g.GameTotal[PlayerPerson] >= g.TargetScore && g.GameTotal[PlayerTarvish] < g.TargetScore;
}

bool TarvishAloneAtTarget(const Game& g) {
    return g.GameTotal[PlayerTarvish] >= g.TargetScore && g.GameTotal[PlayerPerson] < g.TargetScore;
}

// The totals after a hand: trick points in, the hand's trick labels back to 0.
void BookTrickPoints(Game& g) {
    if (g.Observer != nullptr) g.Observer->TricksBooked(g);
    for (int p : {PlayerTarvish, PlayerPerson}) {
        g.GameTotal[p] += g.TrickTotal[p];
        g.TrickTotal[p] = 0;
    }
    for (Control label : {Control::LblLastTrickP, Control::LblTotTricksP, Control::LblLastTrickC,
                          Control::LblTotTrickC}) {
        SetCaption(g, label, "0");
    }
    for (int p : {PlayerPerson, PlayerTarvish}) {
        SetCaption(g, LblPLast(p), "");
        SetCaption(g, LblPTot(p), std::to_string(g.GameTotal[p]));
    }
}

void ShowHandResult(Game& g) {
    const std::string person = std::to_string(g.HandScore[PlayerPerson]);
    const std::string tarvish = std::to_string(g.HandScore[PlayerTarvish]);
    const std::string against = person + " against " + tarvish + " for Tarvish.";
    SetCaption(g, Control::LblInfo, "");
    if (g.HandScore[PlayerPerson] > g.HandScore[PlayerTarvish]) {
        ShowMessage(g,
                    g.PlayerName + " Game not over, but you won that hand with points " + against,
                    "Next Hand", "", "", 1, "You win Hand");
    } else if (g.HandScore[PlayerPerson] == g.HandScore[PlayerTarvish]) {
        ShowMessage(
            g, g.PlayerName + " Game not over and that hand was a draw with you scoring " + against,
            "Next Hand", "", "", 1, "Hand is a draw.");
    } else {
        ShowMessage(g,
                    g.PlayerName +
                        " Game not over, but unfortunately you lost that hand with points " +
                        against,
                    "Next Hand", "", "", 1, "Tarvish wins Hand");
    }
}

// Tells the game's result (the opening, both totals, then the closing), counts the game for its
// winner and clears the table; the hand ends here.
void EndGame(Game& g, int winner, const char* opening, const char* closing, const char* button,
             const char* title) {
    if (!g.GameInProgress) return;
    ShowMessage(g,
                g.PlayerName + opening + std::to_string(g.GameTotal[PlayerPerson]) + " against " +
                    std::to_string(g.GameTotal[PlayerTarvish]) + closing,
                button, "", "", 1, title);
    ++g.Stats[winner];
    g.GameInProgress = false;
    ClearTable(g);
    AbandonGame(g);  // what is left of the hand must not run on
}

}  // namespace

void EndOfHand(Game& g) {
    if (!g.GameInProgress) return;
    BookTrickPoints(g);
    CheckTarget(g);
    if (g.WinsGame[PlayerPerson]) {
        PlayerWinsGame(g);
    } else if (g.WinsGame[PlayerTarvish]) {
        TarvishWinsGame(g);
    } else if (g.GameInProgress) {
        // The game goes on with the next hand.
        ShowHandResult(g);
    }
}

void CheckTarget(Game& g) {
    if (!g.GameInProgress) return;
    if (g.Round1) {
        if (PersonAloneAtTarget(g)) {
            Pause(g);
            SetVisible(g, Control::LblKnock, true);
        } else {
            WithdrawLostKnock(g);
        }
        if (g.Knocked) {
            SetVisible(g, Control::LblKnock, false);
            if (PersonAloneAtTarget(g)) {
                g.WinsGame[PlayerPerson] = true;
                PlayerWinsGame(g);
                return;
            }
        }
        if (TarvishAloneAtTarget(g)) {
            // Tarvish knocks.
            g.PauseTime = TarvishKnockPause;
            PlaySound(g, Sound::Knock);
            Pause(g);
            g.PauseTime = g.Speed;
            g.WinsGame[PlayerTarvish] = true;
            TarvishWinsGame(g);
            return;
        }
    }
    if (!g.Round2) return;
    if (g.GameTotal[PlayerPerson] >= g.TargetScore && g.GameTotal[PlayerTarvish] >= g.TargetScore) {
        g.TargetScore += TargetRise;
        SetWindowCaption(g, "Target Score:- " + std::to_string(g.TargetScore));
        ShowMessage(g, "As you are both over the Target Score it goes up by 250.", "Right", "", "",
                    3, "Both over Target Score");
    }
    if (TarvishAloneAtTarget(g)) g.WinsGame[PlayerTarvish] = true;
    if (PersonAloneAtTarget(g)) g.WinsGame[PlayerPerson] = true;
}

void WithdrawLostKnock(Game& g) {
    if (!PersonAloneAtTarget(g)) SetVisible(g, Control::LblKnock, false);
}

void LblKnock_Click(Game& g) {
    if (!g.GameInProgress || !IsVisible(g, Control::LblKnock) || g.Knocked) return;
    // Knocked is set first, so that a second click during the pauses knocks no second time.
    g.Knocked = true;
    PlaySound(g, Sound::Knock);
    g.PauseTime = PlayerKnockPause;
    Pause(g);
    Pause(g);
    g.PauseTime = g.Speed;
    CheckTarget(g);
}

void PlayerWinsGame(Game& g) {
    EndGame(g, PlayerPerson, " Well done, you won that game with points ",
            " for Tarvish. See Statistics menu. ", "Great", "You win game");
}

void TarvishWinsGame(Game& g) {
    EndGame(g, PlayerTarvish, " Oh Dear, you lost that game with points ",
            " for Tarvish. See Statistics menu. Go to Game menu for another game or exit",
            "Oh Dear", "Tarvish wins game");
}

void ClearTable(Game& g) {
    for (int i = 1; i <= CardCount; ++i) SetCardVisible(g, i, false);
    SetVisible(g, Control::CmdSort, false);
    for (Control label :
         {Control::LblTotTrickC, Control::LblTotTricksP, Control::LblInfo, Control::LblLastTrickP,
          Control::LblLastTrickC, LblPLast(1), LblPLast(2)}) {
        SetCaption(g, label, "");
    }
    SetCaption(g, Control::LblInfo, "Press F2 for new game, or Ctrl X to Exit");
    SetVisible(g, Control::LblKnock, false);
    // A game can end during a declaring turn, by a knock.
    SetVisible(g, Control::FramDeclare, false);
    SetVisible(g, Control::FramMarriage, false);
    SetCaption(g, Control::LblStock, "Stock");
    // The trump symbol stays on the first panel; only the texts go.
    SetStatusPanel(g, 1, "", g.TrumpSuit != 0 ? SuitSymbolImage(g.TrumpSuit) : 0);
    for (int panel = 2; panel <= 4; ++panel) SetStatusPanel(g, panel, "");
    g.GameInProgress = false;
}

}  // namespace corvane
