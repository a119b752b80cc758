#include "frm_main.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>

#include <algorithm>

#include "card_art.h"
#include "card_table.h"
#include "game_runner.h"
#include "hand_flow.h"
#include "status_panels.h"
#include "table_scene.h"
#include "table_view.h"
#include "window_table.h"

namespace corvane {

namespace {

// Room left on the screen for the window's own frame and title bar.
constexpr QSize kWindowFrameAllowance(16, 40);

}  // namespace

FrmMain::FrmMain(QWidget* parent)
    : QMainWindow(parent),
      scene_(new TableScene(this)),
      view_(new TableView(scene_, this)),
      panels_(std::make_unique<StatusPanels>(statusBar())),
      table_(new WindowTable(scene_, panels_.get(), this)),
      runner_(new GameRunner(game_, this)) {
    setObjectName(QStringLiteral("FrmMain"));
    setWindowIcon(QIcon(CardArt::pixmap(SuitSymbolImage(Spades), QSize(64, 64))));
    setCentralWidget(view_);
    buildMenus();

    connect(scene_, &TableScene::cardClicked, runner_, &GameRunner::clickCard);
    connect(scene_, &TableScene::controlClicked, runner_, &GameRunner::clickControl);
    connect(runner_, &GameRunner::idle, this, [this] {
        if (closeWhenIdle_) close();
    });

    BuildCardTable(game_);
    game_.PlayerName = "Player";
    game_.AttachTable(table_);
    StartUp(game_);

    fitToScreen();
    view_->setFocus();
}

FrmMain::~FrmMain() {
    game_.AttachTable(nullptr);
}

void FrmMain::buildMenus() {
    QMenu* mnuPlay = menuBar()->addMenu(QStringLiteral("&Play"));
    mnuPlay->setObjectName(QStringLiteral("MnuPlay"));

    mnuNew_ = new QAction(QStringLiteral("New Game"), this);
    mnuNew_->setObjectName(QStringLiteral("MnuNew"));
    mnuNew_->setShortcut(QKeySequence(Qt::Key_F2));
    connect(mnuNew_, &QAction::triggered, this, &FrmMain::newGame);
    mnuPlay->addAction(mnuNew_);

    mnuExit_ = new QAction(QStringLiteral("Exit"), this);
    mnuExit_->setObjectName(QStringLiteral("MnuExit"));
    mnuExit_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    connect(mnuExit_, &QAction::triggered, this, &FrmMain::exitGame);
    mnuPlay->addAction(mnuExit_);
}

// The table at its design size, or smaller when the screen cannot hold that with the menu bar,
// the status bar and the window frame.
void FrmMain::fitToScreen() {
    const QSize design = view_->sizeHint();
    const int chrome = menuBar()->sizeHint().height() + statusBar()->sizeHint().height();
    QSize room = design;
    if (const QScreen* where = screen()) {
        room = where->availableGeometry().size() - kWindowFrameAllowance - QSize(0, chrome);
    }
    const qreal scale = std::min(
        {1.0, room.width() / qreal(design.width()), room.height() / qreal(design.height())});
    resize(qRound(design.width() * scale), qRound(design.height() * scale) + chrome);
}

void FrmMain::newGame() {
    runner_->start(NewGame);
}

void FrmMain::exitGame() {
    close();
}

void FrmMain::closeEvent(QCloseEvent* event) {
    if (runner_->running()) {
        // The hand unwinds first; the window closes once nothing of it is left running.
        closeWhenIdle_ = true;
        runner_->stop();
        event->ignore();
        return;
    }
    event->accept();
}

}  // namespace corvane
