#include <QApplication>
#include <QMessageBox>
#include <QStandardPaths>

#include "frm_main.h"
#include "single_instance.h"

namespace {

// A second launch brings the window in play back to the person, with any message it shows.
void RaiseWindow(QWidget& window) {
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.show();
    window.raise();
    window.activateWindow();
    if (QWidget* modal = QApplication::activeModalWidget()) {
        modal->raise();
        modal->activateWindow();
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvane"));
    QGuiApplication::setDesktopFileName(QStringLiteral(CORVANE_APP_ID));

    // One game at a time: the journal and the statistics belong to the copy already running.
    corvane::SingleInstance instance(
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    switch (instance.claim()) {
        case corvane::SingleInstance::Claim::HandedOver:
            return 0;
        case corvane::SingleInstance::Claim::NoAnswer:
            QMessageBox::warning(nullptr, QStringLiteral("Corvane"),
                                 QStringLiteral("Corvane is already running, but it does not "
                                                "answer. Close it, or wait until it answers, and "
                                                "then start Corvane again."));
            return 1;
        case corvane::SingleInstance::Claim::First:
            break;
    }

    corvane::FrmMain window;
    QObject::connect(&instance, &corvane::SingleInstance::raiseRequested, &window,
                     [&window] { RaiseWindow(window); });
    window.show();
    return QApplication::exec();
}
