#include "replay_table.h"

#include <algorithm>
#include <utility>

#include "game_state.h"

namespace corvane {

ReplayTable::ReplayTable(Game& g, std::vector<JournaledAction> actions, Table& live)
    : g_(g), actions_(std::move(actions)), live_(live) {
    for (const Control label : {Control::LblPlayer, Lblpname(0), Lblpname(1)}) {
        record_.SetControlCaption(label, g.PlayerName);
    }
}

bool ReplayTable::actNow() {
    bool acted = false;
    while (next_ < actions_.size() && actions_[next_].Moment <= g_.InputMoments) {
        const PersonAction& action = actions_[next_++].Action;
        if (beforeAction) beforeAction(g_, action);
        Perform(g_, action);
        acted = true;
    }
    return acted;
}

void ReplayTable::handOver() {
    if (!replaying_) return;
    replaying_ = false;
    for (int card = 1; card <= CardCount; ++card) {
        const HeadlessTable::CardPicture& picture = record_.Cards[card];
        live_.SetCardImage(card, picture.Image);
        live_.MoveCard(card, picture.Left, picture.Top);
        live_.SetCardVisible(card, picture.Visible);
    }
    for (int i = 0; i < ControlCount; ++i) {
        const auto control = static_cast<Control>(i);
        live_.SetControlCaption(control, record_.Controls[i].Caption);
        live_.SetControlVisible(control, record_.Controls[i].Visible);
    }
    // Cards and panels come to the front in the order they did during the replay, so that an
    // open declaring panel lies over the cards dealt before it. Cards never fronted go first.
    struct Fronted {
        std::uint64_t When;
        int Card;  // 0 for a control
        int Control;
    };
    std::vector<Fronted> order;
    for (int card = 1; card <= CardCount; ++card) order.push_back({cardFront_[card], card, 0});
    for (int i = 0; i < ControlCount; ++i) {
        if (controlFront_[i] != 0) order.push_back({controlFront_[i], 0, i});
    }
    std::stable_sort(order.begin(), order.end(),
                     [](const Fronted& a, const Fronted& b) { return a.When < b.When; });
    for (const Fronted& item : order) {
        if (item.Card != 0) {
            live_.BringCardToFront(item.Card);
        } else {
            live_.BringControlToFront(static_cast<Control>(item.Control));
        }
    }
    for (int panel = 1; panel <= 4; ++panel) {
        live_.SetStatusPanel(panel, record_.Panels[panel].Text, record_.Panels[panel].Image);
    }
    live_.SetWindowCaption(record_.WindowCaption);
    g_.AttachTable(&live_);
}

void ReplayTable::SetCardImage(int card, int image) {
    current().SetCardImage(card, image);
}
void ReplayTable::MoveCard(int card, int left, int top) {
    current().MoveCard(card, left, top);
}
void ReplayTable::BringCardToFront(int card) {
    if (replaying_) cardFront_[card] = ++fronted_;
    current().BringCardToFront(card);
}
void ReplayTable::SetCardVisible(int card, bool visible) {
    current().SetCardVisible(card, visible);
}
void ReplayTable::SetControlCaption(Control control, const std::string& caption) {
    current().SetControlCaption(control, caption);
}
void ReplayTable::SetControlVisible(Control control, bool visible) {
    current().SetControlVisible(control, visible);
}
void ReplayTable::BringControlToFront(Control control) {
    if (replaying_) controlFront_[static_cast<int>(control)] = ++fronted_;
    current().BringControlToFront(control);
}
void ReplayTable::SetStatusPanel(int panel, const std::string& text, int image) {
    current().SetStatusPanel(panel, text, image);
}
void ReplayTable::SetWindowCaption(const std::string& caption) {
    current().SetWindowCaption(caption);
}
std::int64_t ReplayTable::TickCount() {
    return current().TickCount();
}

void ReplayTable::ProcessEventsUntil(std::int64_t deadline) {
    if (replaying_) actNow();
    current().ProcessEventsUntil(deadline);
}

bool ReplayTable::WaitForPlayer() {
    if (!replaying_) return live_.WaitForPlayer();
    // A wait that the recorded game left without an action (it was woken for nothing) is left
    // the same way, so that the moments go on counting as they did.
    if (actNow() || next_ < actions_.size()) return true;
    handOver();
    return live_.WaitForPlayer();
}

void ReplayTable::PlaySound(Sound sound) {
    if (!replaying_) live_.PlaySound(sound);
}
int ReplayTable::ShowMessage(const MessageRequest& request) {
    return current().ShowMessage(request);
}
void ReplayTable::ShowPlainMessage(const std::string& text) {
    current().ShowPlainMessage(text);
}
void ReplayTable::WakeWaits() {
    if (!replaying_) live_.WakeWaits();
}
void ReplayTable::EndAllWaits() {
    if (!replaying_) live_.EndAllWaits();
}

}  // namespace corvane
