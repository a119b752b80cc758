// The commands that reach the Expert: who plays Tarvish, and the person's hint.
#include <QAction>
#include <QActionGroup>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>

#include <string>

#include "card_focus.h"
#include "display.h"
#include "expert/expert.h"
#include "frm_main.h"
#include "hand_flow.h"
#include "table_scene.h"
#include "window_table.h"

namespace corvane {

namespace {}  // namespace

void FrmMain::buildExpertMenus(QMenu* play, QMenu* options) {
    auto* hint = new QAction(QStringLiteral("&Hint"), this);
    hint->setObjectName(QStringLiteral("MnuHint"));
    // In the marriage panel H presses Hearts, so Ctrl+H asks for the hint there, as Ctrl+K knocks.
    hint->setShortcuts({QKeySequence(Qt::Key_H), QKeySequence(Qt::CTRL | Qt::Key_H)});
    play->insertAction(play->findChild<QAction*>(QStringLiteral("MnuExit")), hint);
    connect(hint, &QAction::triggered, this, &FrmMain::showHint);

    QMenu* level = options->addMenu(QStringLiteral("Tarvish Plays"));
    level->setObjectName(QStringLiteral("MnuTarvishPlays"));
    auto* group = new QActionGroup(level);
    classicItem_ = group->addAction(QStringLiteral("Classic"));
    expertItem_ = group->addAction(QStringLiteral("Expert"));
    classicItem_->setObjectName(QStringLiteral("MnuClassic"));
    expertItem_->setObjectName(QStringLiteral("MnuExpert"));
    for (QAction* item : {classicItem_, expertItem_}) {
        item->setCheckable(true);
        level->addAction(item);
    }
    connect(classicItem_, &QAction::triggered, this,
            [this] { setTarvishLevel(OpponentLevel::Classic); });
    connect(expertItem_, &QAction::triggered, this,
            [this] { setTarvishLevel(OpponentLevel::Expert); });

    levelNote_ = new QLabel(statusBar());
    levelNote_->setObjectName(QStringLiteral("TarvishLevel"));
    levelNote_->setToolTip(QStringLiteral("Options, Tarvish Plays: Classic or Expert"));
    levelNote_->setContentsMargins(6, 0, 4, 0);
    statusBar()->addPermanentWidget(levelNote_);
    setTarvishLevel(preferences_.tarvishLevel());
    connect(table_, &WindowTable::waitStarted, this, &FrmMain::showTarvishLevel);
}

void FrmMain::setTarvishLevel(OpponentLevel level) {
    // Tarvish asks for its level at every decision, so the change takes effect at the next; the
    // journal keeps it with the game in progress.
    preferences_.setTarvishLevel(level);
    changeTarvishLevel(level);
    showTarvishLevel();
}

// The menu and the status bar tell the level of the game on the table, which a resumed game
// brings back with it.
void FrmMain::showTarvishLevel() {
    const bool expert = game_.TarvishLevel == OpponentLevel::Expert;
    expertItem_->setChecked(expert);
    classicItem_->setChecked(!expert);
    levelNote_->setText(expert ? QStringLiteral("Tarvish: Expert")
                               : QStringLiteral("Tarvish: Classic"));
}

void FrmMain::showHint() {
    if (WaitsForPersonsCard(game_)) {
        const int card = ExpertChooseCard(game_, PlayerPerson);
        scene_->cardFocus().choose(card);
        explainHint(card);
        return;
    }
    const bool declaring = IsVisible(game_, Control::FramDeclare);
    const bool marriagePanel = IsVisible(game_, Control::FramMarriage);
    if (!game_.GameInProgress || !game_.WaitingForPlayer || (!declaring && !marriagePanel)) return;
    const ExpertMeld meld = ExpertChooseMeld(game_, PlayerPerson);
    scene_->focusButton(DeclaringButton(meld, marriagePanel));
    explainHint(meld.Kind, meld.Suit);
}

}  // namespace corvane
