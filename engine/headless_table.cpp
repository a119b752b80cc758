#include "headless_table.h"

#include <algorithm>

#include "game_state.h"

namespace corvane {

HeadlessTable::HeadlessTable() {
    for (int i = 0; i < ControlCount; ++i) {
        const ControlState design = DesignState(static_cast<Control>(i));
        Controls[i] = {design.Caption, design.Visible};
    }
}

const HeadlessTable::ControlRecord& HeadlessTable::ControlOf(Control control) const {
    return Controls[static_cast<int>(control)];
}

std::vector<int> HeadlessTable::StackingOrder() const {
    std::vector<int> order;
    for (int i = 1; i <= CardCount; ++i) order.push_back(i);
    std::stable_sort(order.begin(), order.end(),
                     [this](int a, int b) { return Cards[a].Stacking < Cards[b].Stacking; });
    return order;
}

void HeadlessTable::SetCardImage(int card, int image) {
    Record();
    Cards[card].Image = image;
}

void HeadlessTable::MoveCard(int card, int left, int top) {
    Record();
    Cards[card].Left = left;
    Cards[card].Top = top;
    Moves.push_back({card, left, top});
}

void HeadlessTable::BringCardToFront(int card) {
    Record();
    Cards[card].Stacking = ++stackingCounter_;
}

void HeadlessTable::SetCardVisible(int card, bool visible) {
    Record();
    Cards[card].Visible = visible;
}

void HeadlessTable::SetControlCaption(Control control, const std::string& caption) {
    Record();
    Controls[static_cast<int>(control)].Caption = caption;
}

void HeadlessTable::SetControlVisible(Control control, bool visible) {
    Record();
    Controls[static_cast<int>(control)].Visible = visible;
}

void HeadlessTable::BringControlToFront(Control) {}

void HeadlessTable::SetStatusPanel(int panel, const std::string& text, int image) {
    Record();
    Panels[panel] = {text, image};
}

void HeadlessTable::SetWindowCaption(const std::string& caption) {
    Record();
    WindowCaption = caption;
}

std::int64_t HeadlessTable::TickCount() {
    return Now;
}

void HeadlessTable::ProcessEventsUntil(std::int64_t deadline) {
    Now = std::max(Now, deadline);
}

bool HeadlessTable::WaitForPlayer() {
    constexpr int kMaxIdleWaits = 3;
    ++WaitsForPlayer;
    if (!OnWaitForPlayer) return false;
    const std::uint64_t before = activity_;
    OnWaitForPlayer();
    idleWaits_ = activity_ == before ? idleWaits_ + 1 : 0;
    return idleWaits_ < kMaxIdleWaits;
}

void HeadlessTable::PlaySound(Sound sound) {
    Record();
    Sounds.push_back(sound);
}

int HeadlessTable::ShowMessage(const MessageRequest& request) {
    Record();
    Messages.push_back(request);
    if (!OnMessage) return 0;
    return OnMessage(request.Title, request.Text, request.Button1, request.Button2,
                     request.Button3);
}

void HeadlessTable::ShowPlainMessage(const std::string& text) {
    Record();
    PlainMessages.push_back(text);
}

}  // namespace corvane
