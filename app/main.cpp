#include <QApplication>

#include "frm_main.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvane"));
    QGuiApplication::setDesktopFileName(QStringLiteral(CORVANE_APP_ID));
    corvane::FrmMain window;
    window.show();
    return QApplication::exec();
}
