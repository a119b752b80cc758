#include <array>
#include <string>

#include "card_layout.h"
#include "declaration_steps.h"
#include "declarations.h"
#include "display.h"

namespace corvane {

namespace {

// The person's declaring turn is open on this panel: the game waits for the person's choice.
bool Choosing(const Game& g, Control panel) {
    return IsVisible(g, panel) && g.GameInProgress && g.WaitingForPlayer;
}

void BackToDeclarePanel(Game& g) {
    SetVisible(g, Control::FramDeclare, true);
    BringToFront(g, Control::FramDeclare);
}

// CmdFours(0..3).
struct FourButton {
    int Value;
    int Kind;
    const char* RefusalTitle;
    const char* RefusalText;
};
constexpr std::array kFourButtons{
    FourButton{King, MeldFourKings, "No four Kings.",
               "Sorry, you do not have four Kings. Make a different Meld or click Stock for card."},
    FourButton{Queen, MeldFourQueens, "No four Queens.",
               "Sorry, you do not have four Queens. Make a different Meld or click Stock for "
               "card."},
    FourButton{Jack, MeldFourJacks, "No four Jacks.",
               "Sorry, you do not have four Jacks. Make a different Meld or click Stock for card."},
    FourButton{Ace, MeldFourAces, "No four Aces.",
               "Sorry, you do not have four Aces. Make a different Meld or click Stock for card."},
};

}  // namespace

void CmdCorvane_Click(Game& g) {
    if (Choosing(g, Control::FramDeclare)) DeclareCorvane(g, PlayerPerson);
}

void CmdDCorvane_Click(Game& g) {
    if (Choosing(g, Control::FramDeclare)) DeclareDoubleCorvane(g, PlayerPerson);
}

void CmdSequence_Click(Game& g) {
    if (Choosing(g, Control::FramDeclare)) DeclareRun(g, PlayerPerson);
}

void CmdFours_Click(Game& g, int index) {
    if (index < 0 || index >= static_cast<int>(kFourButtons.size())) return;
    if (!Choosing(g, Control::FramDeclare)) return;
    const FourButton& button = kFourButtons[index];
    g.MeldMade = false;
    DeclareFour(g, PlayerPerson, button.Value, button.Kind);
    if (g.MeldMade) {
        SetVisible(g, Control::FramDeclare, false);
        RefreshHand(g);
        g.MeldMade = false;
        return;
    }
    RefuseMeld(g, button.RefusalTitle, button.RefusalText);
    BackToDeclarePanel(g);
}

void cmdDec7Trumps_Click(Game& g) {
    if (!Choosing(g, Control::FramDeclare)) return;
    DeclareDix(g, PlayerPerson);
    if (g.MeldMade) {
        RefreshHand(g);
        return;
    }
    ShowMessage(g,
                "Sorry, you do not have a Dix to meld. Make a different Meld or click Cancel to "
                "receive a Card.",
                "Right", "", "", 3, "No Dix");
    SetVisible(g, Control::FramMarriage, false);
    BackToDeclarePanel(g);
}

void CmdMakeMarriage_Click(Game& g) {
    if (!Choosing(g, Control::FramDeclare)) return;
    SetVisible(g, Control::FramDeclare, false);
    SetVisible(g, Control::FramMarriage, true);
    BringToFront(g, Control::FramMarriage);
}

void CmdMarriage_Click(Game& g, int index) {
    if (index < 1 || index > 4) return;
    if (!Choosing(g, Control::FramMarriage)) return;
    const int suit = index + 2;
    // The marriage expects no declaration made in this turn yet.
    g.MeldMade = false;
    DeclareMarriage(g, PlayerPerson, suit);
    if (g.MeldMade) {
        SetVisible(g, Control::FramMarriage, false);
        RefreshHand(g);
        g.MeldMade = false;
        return;
    }
    const std::string suitName = SuitName(suit);
    RefuseMeld(g, "No " + suitName + " Marriage",
               " You do not have a Marriage in " + suitName +
                   ". Make a different Meld or click 'Cancel' to receive a card.");
    SetVisible(g, Control::FramMarriage, false);
    BackToDeclarePanel(g);
}

void CmdCancel_Click(Game& g) {
    if (!IsVisible(g, Control::FramDeclare)) return;
    SetVisible(g, Control::FramDeclare, false);
    g.WaitingForPlayer = false;
}

void Command1_Click(Game& g) {
    if (IsVisible(g, Control::FramMeldHelp)) SetVisible(g, Control::FramMeldHelp, false);
}

}  // namespace corvane
