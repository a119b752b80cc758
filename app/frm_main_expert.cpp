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
#include "expert/levels.h"
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
    levelItems_ = new QActionGroup(level);
    for (const OpponentLevel offered : OfferedLevels) {
        const QString name = QLatin1String(OpponentLevelName(offered));
        QAction* item = levelItems_->addAction(name);
        item->setObjectName(QStringLiteral("Mnu") + name);
        item->setData(int(offered));
        item->setCheckable(true);
        level->addAction(item);
        connect(item, &QAction::triggered, this, [this, offered] { setTarvishLevel(offered); });
    }

    levelNote_ = new QLabel(statusBar());
    levelNote_->setObjectName(QStringLiteral("TarvishLevel"));
    levelNote_->setToolTip(
        QStringLiteral("Options, Tarvish Plays: Classic, or a level from Beginner to Master"));
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
    for (QAction* item : levelItems_->actions())
        item->setChecked(item->data().toInt() == int(game_.TarvishLevel));
    levelNote_->setText(QStringLiteral("Tarvish: ") +
                        QLatin1String(OpponentLevelName(game_.TarvishLevel)));
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
