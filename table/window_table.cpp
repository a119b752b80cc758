#include "window_table.h"

#include <QEventLoop>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <chrono>

#include "card_focus.h"
#include "card_glide.h"
#include "card_item.h"
#include "control_items.h"
#include "message_dialog.h"
#include "qt_text.h"
#include "sound_player.h"
#include "status_panels.h"
#include "table_scene.h"

namespace corvane {

namespace {

// Keeps a running loop on its list for exactly as long as it runs, however it ends.
class LoopRegistration {
public:
    LoopRegistration(QEventLoop* loop, std::vector<QEventLoop*>& running)
        : loop_(loop), running_(running) {
        running_.push_back(loop_);
    }
    ~LoopRegistration() { std::erase(running_, loop_); }
    LoopRegistration(const LoopRegistration&) = delete;
    LoopRegistration& operator=(const LoopRegistration&) = delete;

private:
    QEventLoop* loop_;
    std::vector<QEventLoop*>& running_;
};

}  // namespace

WindowTable::WindowTable(TableScene* scene, StatusPanels* panels, QWidget* window)
    : QObject(window),
      scene_(scene),
      panels_(panels),
      window_(window),
      glide_(new CardGlide(window, this)),
      sounds_(new SoundPlayer(SoundPlayer::BuiltInSounds, this)),
      dialog_(new MessageDialog(sounds_, window)) {
    clock_.start();
}

WindowTable::~WindowTable() = default;

void WindowTable::SetCardImage(int card, int image) {
    scene_->card(card)->setImage(image);
}

void WindowTable::MoveCard(int card, int left, int top) {
    glide_->move(scene_->card(card), QPointF(left, top));
    emit cardMoved(card, QPoint(left, top));
}

void WindowTable::BringCardToFront(int card) {
    scene_->bringToFront(scene_->card(card));
}

void WindowTable::SetCardVisible(int card, bool visible) {
    scene_->card(card)->setVisible(visible);
}

void WindowTable::SetControlCaption(Control control, const std::string& caption) {
    // Told even when the text stays: the same card may be played twice running.
    scene_->control(control)->setCaption(ToQString(caption));
    emit captionChanged(control);
}

void WindowTable::SetControlVisible(Control control, bool visible) {
    scene_->control(control)->setVisible(visible);
    emit controlShownChanged(control, visible);
}

void WindowTable::BringControlToFront(Control control) {
    ControlItem* item = scene_->control(control);
    if (item->parentItem() == nullptr) scene_->bringToFront(item);
}

void WindowTable::SetStatusPanel(int panel, const std::string& text, int image) {
    panels_->panel(panel)->set(ToQString(text), image);
    emit statusPanelChanged(panel);
}

void WindowTable::SetWindowCaption(const std::string& caption) {
    window_->setWindowTitle(ToQString(caption));
}

std::int64_t WindowTable::TickCount() {
    return clock_.elapsed();
}

void WindowTable::ProcessEventsUntil(std::int64_t deadline) {
    const std::int64_t remaining = deadline - TickCount();
    if (remaining <= 0) return;
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    timer.start(std::chrono::milliseconds(remaining));
    scene_->cardFocus().refresh();
    glide_->start(static_cast<int>(remaining));
    runLoop(loop, pauses_);
    glide_->finish();
}

bool WindowTable::WaitForPlayer() {
    scene_->cardFocus().refresh();
    emit waitStarted();
    QEventLoop loop;
    // Once the application is quitting no loop runs any more, and nobody can act.
    return runLoop(loop, waits_) == 0;
}

int WindowTable::runLoop(QEventLoop& loop, std::vector<QEventLoop*>& running) {
    const LoopRegistration registration(&loop, running);
    return loop.exec();
}

void WindowTable::WakeWaits() {
    for (QEventLoop* loop : waits_) loop->quit();
}

void WindowTable::EndAllWaits() {
    glide_->discard();
    for (QEventLoop* loop : pauses_) loop->quit();
    for (QEventLoop* loop : waits_) loop->quit();
    // Only the system can end a hand while its dialog is open (the dialog is modal): the answer
    // no longer matters.
    if (dialog_->isVisible()) dialog_->done(0);
}

bool WindowTable::gliding() const {
    return glide_->gliding();
}

void WindowTable::PlaySound(Sound sound) {
    sounds_->play(sound);
}

int WindowTable::ShowMessage(const MessageRequest& request) {
    scene_->cardFocus().refresh();
    emit messageShown(request);
    return dialog_->showMessage(request);
}

void WindowTable::ShowPlainMessage(const std::string& text) {
    QMessageBox::information(window_, QStringLiteral("Corvane"), ToQString(text));
}

}  // namespace corvane
