#pragma once

#include <QMainWindow>

#include <memory>

#include "game_state.h"

class QAction;

namespace corvane {

class GameRunner;
class StatusPanels;
class TableScene;
class TableView;
class WindowTable;

// The main window: the table, the menu bar and the status bar around the one game of the run.
class FrmMain : public QMainWindow {
    Q_OBJECT

public:
    explicit FrmMain(QWidget* parent = nullptr);
    ~FrmMain() override;

    Game& game() { return game_; }
    GameRunner& runner() { return *runner_; }
    WindowTable& table() { return *table_; }
    TableScene& scene() { return *scene_; }
    TableView& view() { return *view_; }
    StatusPanels& statusPanels() { return *panels_; }

    // MnuNew: a new game, abandoning the hand in progress.
    void newGame();
    // MnuExit: gives up the hand in progress and closes the window.
    void exitGame();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void fitToScreen();

    Game game_;
    TableScene* scene_;
    TableView* view_;
    std::unique_ptr<StatusPanels> panels_;
    WindowTable* table_;
    GameRunner* runner_;
    QAction* mnuNew_ = nullptr;
    QAction* mnuExit_ = nullptr;
    bool closeWhenIdle_ = false;
};

}  // namespace corvane
