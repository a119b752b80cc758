#pragma once

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include "card_table.h"

// A data folder holding the test decks under "carddecks", as the desktop installs its decks:
// "small" draws the Ace of Clubs, the back and the Hearts symbol; "lost" names an SVG that is not
// there; "garbled" has no deck group.
namespace corvane::qt_test {

inline constexpr int AceOfClubs = 31;
inline constexpr int SevenOfHearts = 33;

struct TestDataFolder {
    QTemporaryDir dir;
    TestDataFolder() {
        const QDir source(QStringLiteral(CORVANE_TEST_DECKS));
        QDirIterator files(source.path(), QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString file = files.next();
            const QString copy = dir.filePath("carddecks/" + source.relativeFilePath(file));
            QDir().mkpath(QFileInfo(copy).path());
            QFile::copy(file, copy);
        }
    }
    QString path() const { return dir.path(); }
};

}  // namespace corvane::qt_test
