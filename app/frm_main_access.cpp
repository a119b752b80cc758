// The Options menu's Read Aloud and Four-Colour Suits, and the keys that read the table aloud.
#include <QAction>
#include <QMenu>
#include <QStatusBar>

#include "card_art.h"
#include "card_item.h"
#include "frm_main.h"
#include "help_pages.h"
#include "table_announcer.h"
#include "table_scene.h"
#include "tts_speaker.h"

namespace corvane {

namespace {

// The keys that read the table aloud; none of them is a card, panel or menu key.
struct ReadingKey {
    const char* Control;
    Qt::Key Key;
    void (TableAnnouncer::*Read)();
};

constexpr ReadingKey kReadingKeys[] = {
    {"MnuRepeatLast", Qt::Key_F5, &TableAnnouncer::repeatLast},
    {"MnuReadHand", Qt::Key_F6, &TableAnnouncer::readHand},
    {"MnuReadTrick", Qt::Key_F7, &TableAnnouncer::readTrickAndTrumps},
    {"MnuReadScores", Qt::Key_F8, &TableAnnouncer::readScores},
};

QAction* AddSwitch(QMenu* menu, QObject* owner, const char* control, const QString& caption,
                   bool on) {
    auto* item = new QAction(caption, owner);
    item->setObjectName(QString::fromUtf8(control));
    item->setCheckable(true);
    item->setChecked(on);
    menu->addAction(item);
    return item;
}

}  // namespace

void FrmMain::buildAccessOptions(QMenu* options) {
    QAction* readAloud = AddSwitch(options, this, "MnuReadAloud", QStringLiteral("Read Aloud"),
                                   preferences_.readAloud());
    // Looking for speech engines takes a moment: only when the switch is on or about to be seen.
    const auto lookForSpeech = [options, readAloud] {
        if (!readAloud->isEnabled() || TtsSpeaker::EngineAvailable()) return;
        readAloud->setChecked(false);
        readAloud->setEnabled(false);
        readAloud->setToolTip(
            QStringLiteral("No speech engine is installed, so the game cannot read aloud."));
        options->setToolTipsVisible(true);
    };
    if (readAloud->isChecked()) lookForSpeech();
    connect(options, &QMenu::aboutToShow, readAloud, lookForSpeech);
    announcer_->setOn(readAloud->isChecked());
    connect(readAloud, &QAction::toggled, this, &FrmMain::switchReadAloud);

    QAction* fourColours =
        AddSwitch(options, this, "MnuFourColours", QStringLiteral("Four-Colour Suits"),
                  preferences_.fourColourSuits());
    CardArt::setFourColourSuits(fourColours->isChecked());
    connect(fourColours, &QAction::toggled, this, &FrmMain::switchFourColourSuits);

    for (const ReadingKey& key : kReadingKeys) {
        auto* reading = new QAction(this);
        reading->setObjectName(QString::fromUtf8(key.Control));
        reading->setShortcut(key.Key);
        connect(reading, &QAction::triggered, announcer_, key.Read);
        addAction(reading);
    }
}

void FrmMain::switchReadAloud(bool on) {
    preferences_.setReadAloud(on);
    announcer_->setOn(on);
}

void FrmMain::switchFourColourSuits(bool on) {
    preferences_.setFourColourSuits(on);
    CardArt::setFourColourSuits(on);
    redrawCardPictures();
}

}  // namespace corvane
