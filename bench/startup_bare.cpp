// The yardstick for start-up: a bare Qt main window with a menu bar and a status bar, nothing
// else, started as a whole process the same way as the game.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&Play"))->addAction(QStringLiteral("New Game"));
    window.statusBar()->showMessage(QStringLiteral("Ready"));
    window.resize(800, 600);
    window.show();
    return QApplication::exec();
}
