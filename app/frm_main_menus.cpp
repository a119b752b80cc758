// The main window's menu bar and the commands of its Options, Help and About menus.
#include <QAction>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>

#include <string>

#include "about_box.h"
#include "display.h"
#include "frm_main.h"
#include "game_runner.h"
#include "help_pages.h"
#include "journal.h"

namespace corvane {

namespace {

// A command that sets one value (a target, a speed) and says so in a dialog.
struct ValueCommand {
    const char* Control;
    const char* Caption;
    int Value;
    const char* Title;
    const char* Text;
};

constexpr ValueCommand kTargetCommands[] = {
    {"Mnu500", "Target 500", 500, "Target of 500",
     "You will now play to a Target score of 500 only. This will be saved for each game until "
     "you change."},
    {"Mnu1000", "Target 1000", 1000, "Target of 1000",
     "You will now play to a Target score of 1000 only.This will be saved for each game until "
     "you change."},
    {"Mnu2000", "Target 2000", 2000, "Target of 2000",
     "You will now play to a Target score of 2000 only.This will be saved for each game until "
     "you change."},
};

constexpr ValueCommand kSpeedCommands[] = {
    {"MnuSlow", "Slow Speed", SpeedSlow, "Slow Cards", "The cards will now play slowly."},
    {"MnuMedium", "Medium Speed", SpeedMedium, "Medium Speed Cards",
     "The cards will now play at a medium rate."},
    {"MnuFast", "Fast Speed", SpeedFast, "Fast Cards", "The cards will now play at a fast Speed."},
};

QMenu* AddMenu(QMenuBar* bar, const char* control, const char* caption) {
    QMenu* menu = bar->addMenu(QString::fromUtf8(caption));
    menu->setObjectName(QString::fromUtf8(control));
    menu->menuAction()->setObjectName(QString::fromUtf8(control));
    return menu;
}

QAction* AddItem(QWidget* to, QObject* owner, const char* control, const char* caption,
                 const QKeySequence& shortcut = {}) {
    auto* item = new QAction(QString::fromUtf8(caption), owner);
    item->setObjectName(QString::fromUtf8(control));
    item->setShortcut(shortcut);
    to->addAction(item);
    return item;
}

}  // namespace

void FrmMain::buildMenus() {
    QMenuBar* bar = menuBar();

    QMenu* play = AddMenu(bar, "MnuPlay", "&Play");
    connect(AddItem(play, this, "MnuNew", "New Game", Qt::Key_F2), &QAction::triggered, this,
            &FrmMain::newGame);
    continueItem_ = AddItem(play, this, "MnuContinue", "Continue Last Game");
    connect(continueItem_, &QAction::triggered, this, &FrmMain::continueLastGame);
    connect(play, &QMenu::aboutToShow, this, [this] {
        continueItem_->setEnabled(!runner_->running() && journal().unfinishedGame().has_value());
    });
    connect(AddItem(play, this, "MnuHistory", "Game History"), &QAction::triggered, this,
            &FrmMain::showHistory);
    buildReviewMenus(play, nullptr);
    connect(AddItem(play, this, "MnuExit", "Exit", Qt::CTRL | Qt::Key_X), &QAction::triggered, this,
            &FrmMain::exitGame);

    QMenu* help = AddMenu(bar, "MnuHelp", "&Help");
    connect(AddItem(help, this, "MnuMainHelp", "Main Help", Qt::Key_F1), &QAction::triggered, this,
            [this] { help_->showPage(1); });
    connect(AddItem(help, this, "MnuMeldHelp", "Meld Help", Qt::Key_F3), &QAction::triggered, this,
            &FrmMain::showMeldHelp);

    QMenu* options = AddMenu(bar, "MnuOptions", "&Options");
    QMenu* target = options->addMenu(QStringLiteral("Change Target Points"));
    target->setObjectName(QStringLiteral("MnuChnageTarget"));
    target->menuAction()->setObjectName(QStringLiteral("MnuChnageTarget"));
    for (const ValueCommand& command : kTargetCommands) {
        connect(AddItem(target, this, command.Control, command.Caption), &QAction::triggered, this,
                [this, &command] { chooseTarget(command.Value, command.Title, command.Text); });
    }
    connect(AddItem(options, this, "MnuName", "Enter Your Name"), &QAction::triggered, this,
            &FrmMain::enterName);
    for (const ValueCommand& command : kSpeedCommands) {
        connect(AddItem(options, this, command.Control, command.Caption), &QAction::triggered, this,
                [this, &command] { chooseSpeed(command.Value, command.Title, command.Text); });
    }
    connect(AddItem(options, this, "MnuStats", "Show Statistics"), &QAction::triggered, this,
            &FrmMain::showStatistics);
    connect(AddItem(options, this, "MnuDelete", "Delete Statistics"), &QAction::triggered, this,
            &FrmMain::deleteStatistics);
    options->addSeparator();
    QAction* sounds = AddItem(options, this, "MnuSounds", "Sounds");
    sounds->setCheckable(true);
    sounds->setChecked(preferences_.soundsOn());
    connect(sounds, &QAction::toggled, this, &FrmMain::switchSounds);
    fullScreenItem_ = AddItem(options, this, "MnuFullScreen", "Full Screen", Qt::Key_F11);
    fullScreenItem_->setCheckable(true);
    connect(fullScreenItem_, &QAction::triggered, this, &FrmMain::toggleFullScreen);
    buildAccessOptions(options);
    buildDeckOption(options);
    buildReviewMenus(nullptr, options);

    QAction* about = bar->addAction(QStringLiteral("&About"));
    about->setObjectName(QStringLiteral("MnuAbout"));
    connect(about, &QAction::triggered, this, &FrmMain::showAbout);
    buildExpertMenus(play, options);
}

// The new target applies at once, to the game in progress too.
void FrmMain::chooseTarget(int target, const char* title, const char* text) {
    changeGame({PersonAction::Kind::Target, target, {}});
    ShowMessage(game_, text, "Right", "", "", 3, title);
    writeSettings();
}

// The new speed applies from the next paced step that takes it up.
void FrmMain::chooseSpeed(int speed, const char* title, const char* text) {
    changeGame({PersonAction::Kind::Speed, speed, {}});
    writeSettings();
    ShowMessage(game_, text, "Right", "", "", 3, title);
}

void FrmMain::enterName() {
    QMessageBox question(
        QMessageBox::Question, QStringLiteral("New Name"),
        QStringLiteral("If you wish to enter or change the player's name click Yes"),
        QMessageBox::Yes | QMessageBox::No, this);
    if (question.exec() != QMessageBox::Yes) return;

    QInputDialog input(this);
    input.setInputMode(QInputDialog::TextInput);
    input.setWindowTitle(QStringLiteral("Player's Name"));
    input.setLabelText(QStringLiteral("Please enter player's name."));
    input.setTextValue(QString());
    if (auto* entry = input.findChild<QLineEdit*>()) entry->setMaxLength(MaxPlayerNameLength);
    // Cancelling gives the empty name, as an empty entry does.
    const QString entered = input.exec() == QDialog::Accepted ? input.textValue() : QString();

    changeGame({PersonAction::Kind::Name, 0, CleanPlayerName(entered.toStdString())});
    writeSettings();
}

void FrmMain::showStatistics() {
    const PerPlayer<int>& won = game_.Stats;
    ShowMessage(game_,
                game_.PlayerName + " you have played a total of " +
                    std::to_string(won[1] + won[2]) + " games, and won " + std::to_string(won[1]) +
                    " against Tarvish winning " + std::to_string(won[2]) + " games",
                "Right", "", "", 3, "Current Statistics");
    writeSettings();
}

void FrmMain::deleteStatistics() {
    ShowMessage(
        game_,
        game_.PlayerName + " This will erase all statistice of games won and lost. Erase them?",
        "Yes ", "No", "", 2, "Really Erase?");
    if (game_.DialogChoice != 0) return;
    game_.Stats[1] = game_.Stats[2] = 0;
    writeSettings();
}

void FrmMain::showMeldHelp() {
    SetVisible(game_, Control::FramMeldHelp, true);
    BringToFront(game_, Control::FramMeldHelp);
}

void FrmMain::showAbout() {
    FrmAbout& about = aboutBox();
    about.show();
    about.raise();
    about.activateWindow();
}

}  // namespace corvane
