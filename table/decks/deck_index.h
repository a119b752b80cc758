#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace corvane {

// A deck of cards drawn as one SVG file, as the desktop installs them: a folder under
// "carddecks" in a data folder, whose "index.desktop" names the deck, its SVG and its preview.
struct DeckIndex {
    QString id;       // the folder's name, the same wherever the deck is installed
    QString name;     // the name the deck gives itself
    QString svgFile;  // absolute paths
    QString previewFile;
};

// Reads one deck's "index.desktop": nothing, with a warning, when it has no "[KDE Backdeck]"
// group with a name and an SVG, or when the SVG it names is not there.
std::optional<DeckIndex> ReadDeckIndex(const QString& indexFile);

// The decks installed in `dataFolders`, the desktop's data folders by default, sorted by name. A
// deck in an earlier folder hides one of the same id in a later one, as the desktop has it. Only
// the index files are read, so this is cheap enough for start-up.
QList<DeckIndex> FindDecks(const QStringList& dataFolders);
QList<DeckIndex> FindInstalledDecks();

}  // namespace corvane
