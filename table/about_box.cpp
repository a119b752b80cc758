#include "about_box.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

#include "app_icon.h"

namespace corvane {

namespace {

constexpr char Title[] = "Corvane";

QFrame* Separator(QWidget* parent, const char* name) {
    auto* line = new QFrame(parent);
    line->setObjectName(QString::fromUtf8(name));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

QLabel* Label(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromUtf8(name));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

}  // namespace

FrmAbout::FrmAbout(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About ") + QString::fromUtf8(Title));
    setModal(false);

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("picIcon"));
    icon->setPixmap(AppIconPixmap(64, devicePixelRatioF()));
    icon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    QLabel* title = Label(this, "lblTitle", QString::fromUtf8(Title));
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.8);
    titleFont.setBold(true);
    title->setFont(titleFont);
    QLabel* version = Label(this, "lblVersion",
                            QStringLiteral("Version %1.%2.%3")
                                .arg(CORVANE_VERSION_MAJOR)
                                .arg(CORVANE_VERSION_MINOR)
                                .arg(CORVANE_VERSION_PATCH));
    QLabel* description =
        Label(this, "lblDescription",
              QStringLiteral("An exciting and addictive card game of tricks and melds, "
                             "played against the computer opponent Tarvish."));
    QLabel* disclaimer = Label(
        this, "lblDisclaimer",
        QStringLiteral("Copyright \u00A9 the Corvane authors. Corvane comes with no warranty."));

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::close);
    auto* sysInfo = new QPushButton(QStringLiteral("&System Info..."), this);
    sysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    connect(sysInfo, &QPushButton::clicked, this, &FrmAbout::showSystemInfo);

    auto* text = new QVBoxLayout;
    text->addWidget(title);
    text->addWidget(version);
    text->addWidget(Separator(this, "Line1"));
    text->addWidget(description);
    text->addStretch();

    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addLayout(text, 1);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(sysInfo);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(disclaimer, 1);
    bottom->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(Separator(this, "Line2"));
    layout->addLayout(bottom);
    setMinimumWidth(420);
}

const QStringList& FrmAbout::SystemInfoPrograms() {
    static const QStringList programs{
        QStringLiteral("hardinfo2"),           QStringLiteral("hardinfo"),
        QStringLiteral("kinfocenter"),         QStringLiteral("gnome-system-monitor"),
        QStringLiteral("mate-system-monitor"), QStringLiteral("xfce4-taskmanager"),
    };
    return programs;
}

bool FrmAbout::StartSysInfo() {
    for (const QString& program : SystemInfoPrograms()) {
        const QString path = QStandardPaths::findExecutable(program);
        if (!path.isEmpty() && QProcess::startDetached(path, {})) return true;
    }
    return false;
}

void FrmAbout::showSystemInfo() {
    if (StartSysInfo()) return;
    QMessageBox::information(this, QString::fromUtf8(Title),
                             QStringLiteral("System Information Is Unavailable At This Time"));
}

}  // namespace corvane
