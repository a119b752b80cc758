#include "deck_index.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStandardPaths>
#include <QTextStream>
#include <QtDebug>

#include <algorithm>

namespace corvane {

namespace {

const QString kGroup = QStringLiteral("[KDE Backdeck]");

}  // namespace

// The index is a desktop entry; only the unlocalised keys of its deck group matter here, so a
// few lines of reading do instead of a desktop-file library.
std::optional<DeckIndex> ReadDeckIndex(const QString& indexFile) {
    QFile file(indexFile);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        qWarning().noquote() << "Card deck index" << indexFile << "cannot be read";
        return std::nullopt;
    }
    const QDir folder = QFileInfo(indexFile).absoluteDir();
    DeckIndex deck;
    deck.id = folder.dirName();
    bool inGroup = false;
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.startsWith('[')) {
            inGroup = line == kGroup;
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (!inGroup || equals <= 0) continue;
        const QString key = line.left(equals).trimmed();
        const QString value = line.mid(equals + 1).trimmed();
        if (key == QLatin1String("Name")) deck.name = value;
        if (key == QLatin1String("SVG") && !value.isEmpty()) deck.svgFile = folder.filePath(value);
        if (key == QLatin1String("Preview") && !value.isEmpty()) {
            deck.previewFile = folder.filePath(value);
        }
    }
    if (deck.name.isEmpty() || deck.svgFile.isEmpty()) {
        qWarning().noquote() << "Card deck index" << indexFile
                             << "names no deck or no SVG in its [KDE Backdeck] group";
        return std::nullopt;
    }
    if (!QFileInfo::exists(deck.svgFile)) {
        qWarning().noquote() << "Card deck" << deck.name << "lacks its picture" << deck.svgFile;
        return std::nullopt;
    }
    if (!QFileInfo::exists(deck.previewFile)) deck.previewFile.clear();
    return deck;
}

QList<DeckIndex> FindDecks(const QStringList& dataFolders) {
    QList<DeckIndex> decks;
    QSet<QString> seen;
    for (const QString& data : dataFolders) {
        const QDir root(QDir(data).filePath(QStringLiteral("carddecks")));
        for (const QString& id : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
            if (seen.contains(id)) continue;
            const QString index = root.filePath(id + QStringLiteral("/index.desktop"));
            if (!QFileInfo::exists(index)) continue;
            if (std::optional<DeckIndex> deck = ReadDeckIndex(index)) {
                seen.insert(id);
                decks.append(*deck);
            }
        }
    }
    std::stable_sort(decks.begin(), decks.end(), [](const DeckIndex& a, const DeckIndex& b) {
        return a.name.localeAwareCompare(b.name) < 0;
    });
    return decks;
}

QList<DeckIndex> FindInstalledDecks() {
    return FindDecks(QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation));
}

}  // namespace corvane
