#pragma once

#include <QDialog>
#include <QStringList>

namespace corvane {

// frmAbout: the program's title, version and description, a rights line, and a button that
// starts the system's information tool. Modeless; made once and shown again.
class FrmAbout : public QDialog {
    Q_OBJECT

public:
    explicit FrmAbout(QWidget* parent = nullptr);

    // The system-information programs tried, in order, on the PATH.
    static const QStringList& SystemInfoPrograms();
    // Starts the first of them that is installed; false when none could be started.
    static bool StartSysInfo();

private:
    void showSystemInfo();
};

}  // namespace corvane
