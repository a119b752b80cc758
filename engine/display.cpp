#include "display.h"

namespace corvane {

namespace {

ControlState& StateOf(Game& g, Control control) {
    return g.Controls[static_cast<int>(control)];
}

// The wait shared by Pause and the card sounds: from PauseStart until PauseTime has passed.
void WaitFromPauseStart(Game& g) {
    Table& table = g.Display();
    ++g.InputMoments;
    const std::int64_t deadline = g.PauseStart + g.PauseTime;
    while (g.GameInProgress && table.TickCount() < deadline) table.ProcessEventsUntil(deadline);
}

void PlayCardSound(Game& g, Sound sound) {
    g.Display().PlaySound(sound);
    g.PauseStart = g.Display().TickCount();
    WaitFromPauseStart(g);
}

}  // namespace

void ShowCardFace(Game& g, int card) {
    g.Display().SetCardImage(card, card);
}

void ShowCardBack(Game& g, int card) {
    g.Display().SetCardImage(card, ImageBack);
}

void PlaceCard(Game& g, int card, int left, int top) {
    if (!g.HandOver) g.PicturePlace[card] = {left, top};
    g.Display().MoveCard(card, left, top);
    g.Display().BringCardToFront(card);
}

void PlaceCard(Game& g, int card, TablePoint place) {
    PlaceCard(g, card, place.Left, place.Top);
}

void SetCardVisible(Game& g, int card, bool visible) {
    g.Display().SetCardVisible(card, visible);
}

void SetCaption(Game& g, Control control, const std::string& caption) {
    if (g.HandOver) return;  // the table keeps what the game last showed
    StateOf(g, control).Caption = caption;
    g.Display().SetControlCaption(control, caption);
}

void SetVisible(Game& g, Control control, bool visible) {
    if (g.HandOver) return;
    StateOf(g, control).Visible = visible;
    g.Display().SetControlVisible(control, visible);
}

void BringToFront(Game& g, Control control) {
    g.Display().BringControlToFront(control);
}

const std::string& Caption(const Game& g, Control control) {
    return g.Controls[static_cast<int>(control)].Caption;
}

bool IsVisible(const Game& g, Control control) {
    return g.Controls[static_cast<int>(control)].Visible;
}

void SetStatusPanel(Game& g, int panel, const std::string& text, int image) {
    g.Display().SetStatusPanel(panel, text, image);
}

void SetStatusLine(Game& g, const std::string& textAfterName) {
    // The prompt changes at nearly every step; one buffer serves them all.
    static std::string line;
    line.assign(g.PlayerName).append(textAfterName);
    SetStatusPanel(g, 2, line);
}

void SetWindowCaption(Game& g, const std::string& caption) {
    g.Display().SetWindowCaption(caption);
}

void Pause(Game& g) {
    g.PauseStart = g.Display().TickCount() - g.ThinkingTime;
    g.ThinkingTime = 0;
    if (g.PauseTime <= 0) return;
    WaitFromPauseStart(g);
}

void PlayDealSound(Game& g) {
    PlayCardSound(g, Sound::CardDeal);
}

void PlayCardDownSound(Game& g) {
    PlayCardSound(g, Sound::CardDown);
}

void PlaySound(Game& g, Sound sound) {
    g.Display().PlaySound(sound);
}

void ShowMessage(Game& g, const std::string& text, const std::string& button1,
                 const std::string& button2, const std::string& button3, int iconIndex,
                 const std::string& title) {
    g.DialogChoice = g.Display().ShowMessage({text, button1, button2, button3, iconIndex, title});
}

void ShowPlainMessage(Game& g, const std::string& text) {
    g.Display().ShowPlainMessage(text);
}

bool WaitForPlayer(Game& g) {
    while (g.WaitingForPlayer && g.GameInProgress) {
        ++g.InputMoments;
        if (!g.Display().WaitForPlayer()) {
            // Nobody can act for the person: the hand cannot go on.
            g.GameInProgress = false;
            g.WaitingForPlayer = false;
            g.HandOver = true;
        }
    }
    return g.GameInProgress;
}

}  // namespace corvane
