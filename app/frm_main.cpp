#include "frm_main.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <utility>

#include "about_box.h"
#include "app_icon.h"
#include "card_focus.h"
#include "card_table.h"
#include "display.h"
#include "game_journal.h"
#include "game_runner.h"
#include "hand_flow.h"
#include "help_pages.h"
#include "history_window.h"
#include "journal.h"
#include "sound_player.h"
#include "status_panels.h"
#include "table_announcer.h"
#include "table_events.h"
#include "table_scene.h"
#include "table_view.h"
#include "tts_speaker.h"
#include "window_table.h"

namespace corvane {

namespace {

QString JournalFileFor(const QString& preferencesFile) {
    if (preferencesFile.isEmpty()) return DefaultJournalFile();
    return QFileInfo(preferencesFile).dir().filePath(QStringLiteral("journal.sqlite"));
}

// Runs `then` once, as soon as `widget` has been painted for the first time, or after a while when
// it is not (a window hidden behind others is not painted until it is uncovered).
class AfterFirstPaint : public QObject {
public:
    static constexpr int LatestMs = 500;

    AfterFirstPaint(QWidget* widget, std::function<void()> then)
        : QObject(widget), then_(std::move(then)) {
        widget->installEventFilter(this);
        QTimer::singleShot(LatestMs, this, &AfterFirstPaint::run);
    }

    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        // Queued, so that the picture is finished and on its way to the screen first.
        if (event->type() == QEvent::Paint) QTimer::singleShot(0, this, &AfterFirstPaint::run);
        return false;
    }

private:
    void run() {
        if (!then_) return;
        std::exchange(then_, {})();
        deleteLater();
    }

    std::function<void()> then_;
};

}  // namespace

FrmMain::FrmMain(const QString& settingsDirectory, const QString& preferencesFile, QWidget* parent)
    : QMainWindow(parent),
      settingsDirectory_(settingsDirectory),
      preferences_(preferencesFile),
      scene_(new TableScene(this)),
      view_(new TableView(scene_, this)),
      panels_(std::make_unique<StatusPanels>(statusBar())),
      table_(new WindowTable(scene_, panels_.get(), this)),
      runner_(new GameRunner(game_, this)),
      journalFile_(JournalFileFor(preferencesFile)),
      help_(new HelpPages(this)),
      speaker_(new TtsSpeaker(this)),
      announcer_(new TableAnnouncer(table_, scene_, panels_.get(), speaker_)) {
    setObjectName(QStringLiteral("FrmMain"));
    setCentralWidget(view_);
    buildMenus();

    connect(scene_, &TableScene::cardClicked, this, &FrmMain::playCard);
    connect(scene_, &TableScene::controlClicked, this, &FrmMain::pressControl);
    connect(runner_, &GameRunner::idle, this, [this] {
        if (closeWhenIdle_) {
            close();
        } else if (game_.Stats != statsInFile_) {
            // A game has ended: its result is kept at once, not only at the next menu command.
            writeSettings();
        }
    });
    connect(qApp, &QGuiApplication::commitDataRequest, this, &FrmMain::closeForSystem);
    runner_->onAction = [this](const PersonAction& action) {
        recorder_.record(game_, action);
        gameJournal().recordAction(game_, action);
    };

    BuildCardTable(game_);
    game_.PlayerName = "Player";
    ReadSettingsFile(game_, settingsDirectory_);
    statsInFile_ = game_.Stats;
    table_->sounds().setEnabled(preferences_.soundsOn());
    game_.AttachTable(table_);
    StartUp(game_);

    // The keyboard chooses among the cards a click may play. The table looks at them at every
    // pause, wait and message; what a hand leaves when it ends is looked at here.
    scene_->cardFocus().setSource([this] { return CardsToChoose(game_); });
    connect(runner_, &GameRunner::idle, &scene_->cardFocus(), &CardFocus::refresh);
    AddKeyHint(statusBar());
    new TableEvents(view_, table_);

    if (!preferences_.restoreWindow(*this)) fitToScreen();
    view_->setFocus();
}

FrmMain::~FrmMain() {
    scene_->cardFocus().setSource({});
    game_.AttachTable(nullptr);
    game_.Observer = nullptr;
}

// Opening the journal checks the whole file, which takes a while when it is large; the window is
// on the screen first.
Journal& FrmMain::journal() {
    if (journal_ == nullptr) {
        journal_ = std::make_unique<Journal>(journalFile_);
        gameJournal_ = std::make_unique<GameJournal>(*journal_);
    }
    return *journal_;
}

GameJournal& FrmMain::gameJournal() {
    journal();
    return *gameJournal_;
}

HistoryWindow& FrmMain::historyWindow() {
    if (history_ == nullptr) {
        history_ = new HistoryWindow(journal(), this);
        connect(history_, &HistoryWindow::reviewRequested, this, &FrmMain::reviewFinishedGame);
    }
    return *history_;
}

void FrmMain::showHistory() {
    HistoryWindow& window = historyWindow();
    window.reload();
    window.show();
    window.raise();
    window.activateWindow();
}

void FrmMain::changeGame(const PersonAction& action) {
    // Only a game begun through the journal is kept in it, so a journal not yet opened has none.
    if (gameJournal_ != nullptr) gameJournal_->recordAction(game_, action);
    Perform(game_, action);
}

void FrmMain::changeTarvishLevel(OpponentLevel level) {
    changeGame({PersonAction::Kind::Level, static_cast<int>(level), {}});
}

void FrmMain::offerUnfinishedGame() {
    if (!journal().setAside().isEmpty()) {
        ShowPlainMessage(game_, "The game journal could not be read. It has been put aside as " +
                                    QDir::toNativeSeparators(journal_->setAside()).toStdString() +
                                    " and a new one begun.");
    }
    if (journal_->busy()) {
        ShowPlainMessage(game_, "The game journal " +
                                    QDir::toNativeSeparators(journal_->file()).toStdString() +
                                    " is in use by another program. It is left as it is, and "
                                    "the games of this session are not kept in it.");
    }
    if (game_.GameInProgress || runner_->running() || !journal_->unfinishedGame()) return;
    ShowMessage(game_,
                game_.PlayerName +
                    " Your last game was not finished. Would you like to carry on where it stood?",
                "Carry On", "Not Now", "", 2, "Unfinished Game");
    if (game_.DialogChoice == 0) continueLastGame();
}

void FrmMain::continueLastGame() {
    if (game_.GameInProgress || runner_->running()) return;
    const std::optional<GameRecord> record = journal().unfinishedGame();
    if (!record) return;
    // The decisions before the stop are the review's as much as those after it.
    recorder_.clear();
    runner_->start([this, record = *record](Game& g) {
        gameJournal_->playResumed(
            g, record, *table_,
            [this](const Game& game, const PersonAction& a) { recorder_.record(game, a); });
    });
}

// The table at its design size, or smaller when the screen cannot hold that with the menu bar,
// the status bar and the window frame.
void FrmMain::fitToScreen() {
    const QSize design = view_->sizeHint();
    const int chrome = menuBar()->sizeHint().height() + statusBar()->sizeHint().height();
    QSize room = design;
    if (const QScreen* where = screen()) {
        room = where->availableGeometry().marginsRemoved(WindowFrameRoom).size() - QSize(0, chrome);
    }
    const qreal scale = std::min(
        {1.0, room.width() / qreal(design.width()), room.height() / qreal(design.height())});
    resize(qRound(design.width() * scale), qRound(design.height() * scale) + chrome);
}

FrmAbout& FrmMain::aboutBox() {
    if (about_ == nullptr) about_ = new FrmAbout(this);
    return *about_;
}

bool FrmMain::writeSettings(OnFailure onFailure) {
    if (AddToSettingsFile(game_, settingsDirectory_, statsInFile_)) {
        failedWriteTold_ = false;
        return true;
    }
    // One notice while the writes keep failing; the game goes on regardless.
    if (onFailure == OnFailure::Tell && !failedWriteTold_) {
        failedWriteTold_ = true;
        const QString file = QDir::toNativeSeparators(
            QDir(settingsDirectory_).filePath(QLatin1String(SettingsFileName)));
        ShowPlainMessage(
            game_, "The settings and statistics could not be saved in " + file.toStdString() + ".");
    }
    return false;
}

void FrmMain::newGame() {
    if (game_.GameInProgress) {
        ShowMessage(game_, "You are in the middle of a game. Really start a new one?",
                    "No Continue", "Yes New Game", "", 2, "Leave this game?");
        if (game_.DialogChoice == 0) return;
    }
    gameJournal().markLeft();
    runner_->start([this](Game& g) { gameJournal_->playNewGame(g); });
}

bool FrmMain::confirmExit() {
    if (game_.GameInProgress) {
        ShowMessage(game_,
                    game_.PlayerName +
                        " You are in the middle of a game. Do you really wish to Exit the game "
                        "with no Save?",
                    "No Continue", "Yes Exit", "", 2, "Really Exit?");
        if (game_.DialogChoice == 0) return false;
        gameJournal().markLeft();
    }
    writeSettings();
    return true;
}

void FrmMain::exitGame() {
    if (!confirmExit()) return;
    exiting_ = true;
    close();
}

void FrmMain::closeForSystem() {
    if (exiting_) return;
    writeSettings(OnFailure::KeepQuiet);
    preferences_.saveWindow(*this);
}

void FrmMain::switchSounds(bool on) {
    table_->sounds().setEnabled(on);
    preferences_.setSoundsOn(on);
}

void FrmMain::toggleFullScreen() {
    setWindowState(windowState() ^ Qt::WindowFullScreen);
}

void FrmMain::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange && fullScreenItem_ != nullptr) {
        fullScreenItem_->setChecked(isFullScreen());
    }
    QMainWindow::changeEvent(event);
}

void FrmMain::showEvent(QShowEvent* event) {
    // A window shown again is open again, whatever closed it before.
    exiting_ = false;
    closeWhenIdle_ = false;
    QMainWindow::showEvent(event);
    if (!offered_) {
        offered_ = true;
        // What the table's first picture does not need waits until the table is painted: the
        // sounds, the icon's pictures, and the journal with the game it may offer.
        new AfterFirstPaint(view_->viewport(), [this] {
            table_->sounds().prepare();
            setWindowIcon(AppIcon());
            offerUnfinishedGame();
        });
    }
}

void FrmMain::closeEvent(QCloseEvent* event) {
    // The person's close box arrives from the window system; any other close request that the
    // program did not make itself comes from the system ending the session.
    const bool systemCloses = !exiting_ && !event->spontaneous();
    if (systemCloses) {
        closeForSystem();
        exiting_ = true;
        runner_->stop();
    } else if (!exiting_) {
        ShowMessage(game_, " Do you really wish to exit?", "Yes Exit", "Carry On", "", 2,
                    "Really Exit?");
        if (game_.DialogChoice != 0 || !confirmExit()) {
            event->ignore();
            return;
        }
        exiting_ = true;
    }
    help_->closeAll();
    if (about_ != nullptr) about_->close();
    if (runner_->running() && !systemCloses) {
        // The hand unwinds first; the window closes once nothing of it is left running.
        closeWhenIdle_ = true;
        runner_->stop();
        event->ignore();
        return;
    }
    preferences_.saveWindow(*this);
    event->accept();
}

}  // namespace corvane
