#pragma once

#include <QMainWindow>
#include <QString>

#include <memory>

#include "decision_recorder.h"
#include "game_state.h"
#include "person_action.h"
#include "settings_file.h"
#include "tutor.h"
#include "window_preferences.h"

class QAction;
class QActionGroup;
class QLabel;
class QMenu;

namespace corvane {

class FrmAbout;
class GameRater;
class GameJournal;
class GameRunner;
class HelpPages;
class HistoryWindow;
class Journal;
class ReviewWindow;
class StatusPanels;
class TableAnnouncer;
class TableScene;
class TableView;
class TtsSpeaker;
class WindowTable;

// The main window: the table, the menu bar and the status bar around the one game of the run.
// The preferences and statistics come from the settings file in `settingsDirectory` at start-up
// and go back to it from the menu commands, at the end of every game and when the window closes.
// The sound switch and the window's place are kept apart, in the user's configuration folder or in
// `preferencesFile` when one is given. The game journal, which keeps the game in progress and the
// history, is in the user's data folder, or beside `preferencesFile` when one is given.
class FrmMain : public QMainWindow {
    Q_OBJECT

public:
    explicit FrmMain(const QString& settingsDirectory = SettingsDirectory(),
                     const QString& preferencesFile = QString(), QWidget* parent = nullptr);
    ~FrmMain() override;

    Game& game() { return game_; }
    GameRunner& runner() { return *runner_; }
    WindowTable& table() { return *table_; }
    TableScene& scene() { return *scene_; }
    TableView& view() { return *view_; }
    StatusPanels& statusPanels() { return *panels_; }
    HelpPages& helpPages() { return *help_; }
    TableAnnouncer& announcer() { return *announcer_; }
    FrmAbout& aboutBox();
    const QString& settingsDirectory() const { return settingsDirectory_; }

    // MnuNew: a new game; in the middle of a game only when the person agrees to leave it.
    void newGame();
    // MnuExit: in the middle of a game only when the person agrees; writes the settings file
    // and closes every window of the program.
    void exitGame();
    // Play, Continue Last Game: the last game, left unfinished by anything but the person's own
    // choice, played again to where it stood; it goes on from there.
    void continueLastGame();
    // Tarvish's level changes, in a game in progress too: the journal keeps the change.
    void changeTarvishLevel(OpponentLevel level);

    // Opened at its first use, at the latest just after the window is first shown.
    Journal& journal();
    HistoryWindow& historyWindow();

    // Options, Tarvish Plays: the level of Tarvish's next decision on; kept with the window's
    // preferences and shown in the status bar.
    void setTarvishLevel(OpponentLevel level);
    // Play, Hint: the keyboard ring goes to the card the Expert would play for the person, or
    // the button it would press in a declaring turn gains the focus. Nothing is played.
    void showHint();
    // Play, Review Hand and Review Game: the person's decisions of the last hand or of the game
    // analysed and graded in the review window.
    void reviewHand();
    void reviewGame();
    // Game History, Review Game: finished game `game` played again out of sight, and its
    // decisions reviewed; the review's rating is kept for the history.
    void reviewFinishedGame(qint64 game);
    ReviewWindow& reviewWindow();
    GameRater& rater();
    Tutor& tutor() { return tutor_; }
    // A card the person clicks, or a button of the table pressed: a card or a declaration is
    // questioned first by the tutor when it is on.
    void playCard(int card);
    void pressControl(const QString& name);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    enum class OnFailure { Tell, KeepQuiet };

    void buildMenus();
    // The Hint command and the Tarvish Plays choice, with the status bar note of the level.
    void buildExpertMenus(QMenu* play, QMenu* options);
    // Review Hand, Review Game and the Tutor switch.
    void buildReviewMenus(QMenu* play, QMenu* options);
    // The hint's reason on the status bar and to Read Aloud.
    void explainHint(int card);
    void explainHint(int kind, int suit);
    void showHintReason(const QString& text);
    // A game won here is rated out of sight for the history.
    void rateFinishedGame();
    void keepRatingOfReview();
    void showTarvishLevel();
    void fitToScreen();
    // Asks about a game in progress and writes the settings file; false when the person stays.
    bool confirmExit();
    // The system ends the session: the statistics are kept, and nobody is asked anything.
    void closeForSystem();
    bool writeSettings(OnFailure onFailure = OnFailure::Tell);
    // A change the game reads as it goes, journaled while a game is in progress.
    void changeGame(const PersonAction& action);
    GameJournal& gameJournal();
    // At start: tells of a journal set aside, and offers to continue an unfinished game.
    void offerUnfinishedGame();
    void showHistory();

    // The commands of the Options and Help menus.
    void chooseTarget(int target, const char* title, const char* text);
    void chooseSpeed(int speed, const char* title, const char* text);
    void enterName();
    void showStatistics();
    void deleteStatistics();
    void showMeldHelp();
    void showAbout();
    void switchSounds(bool on);
    // F11: full screen, and back to the window as it was, maximised or not.
    void toggleFullScreen();

    // Read Aloud, Four-Colour Suits and the keys that read the table aloud.
    void buildAccessOptions(QMenu* options);
    void switchReadAloud(bool on);
    void switchFourColourSuits(bool on);
    // Card Deck…: the deck the pictures come from, chosen, kept and applied at once.
    void buildDeckOption(QMenu* options);
    void chooseCardDeck();
    void redrawCardPictures();

    Game game_;
    QString settingsDirectory_;
    WindowPreferences preferences_;
    TableScene* scene_;
    TableView* view_;
    std::unique_ptr<StatusPanels> panels_;
    WindowTable* table_;
    GameRunner* runner_;
    QString journalFile_;
    std::unique_ptr<Journal> journal_;
    std::unique_ptr<GameJournal> gameJournal_;
    HistoryWindow* history_ = nullptr;
    QAction* continueItem_ = nullptr;
    bool offered_ = false;
    HelpPages* help_;
    TtsSpeaker* speaker_;
    TableAnnouncer* announcer_;
    FrmAbout* about_ = nullptr;
    QAction* fullScreenItem_ = nullptr;
    QActionGroup* levelItems_ = nullptr;
    QLabel* levelNote_ = nullptr;
    DecisionRecorder recorder_;
    Tutor tutor_;
    ReviewWindow* review_ = nullptr;
    GameRater* rater_ = nullptr;
    qint64 rated_ = 0;      // the last game won here that was given to the rater
    qint64 reviewing_ = 0;  // the finished game in the review window, 0 for the game on the table
    // The counts of games won as the settings file last received them.
    PerPlayer<int> statsInFile_{};
    bool failedWriteTold_ = false;
    bool exiting_ = false;
    bool closeWhenIdle_ = false;
};

}  // namespace corvane
