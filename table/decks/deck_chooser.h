#pragma once

#include <QDialog>
#include <QList>

#include <optional>

#include "deck_index.h"

class QListWidget;

namespace corvane {

// The Options menu's "Card Deck…": the game's own deck and every installed one, each by its name
// and a preview, the current one selected.
class DeckChooser : public QDialog {
    Q_OBJECT

public:
    DeckChooser(const QList<DeckIndex>& decks, const QString& currentId, QWidget* parent = nullptr);

    // The deck picked, nothing for the game's own.
    std::optional<DeckIndex> chosen() const;

private:
    QList<DeckIndex> decks_;
    QListWidget* list_;
};

}  // namespace corvane
