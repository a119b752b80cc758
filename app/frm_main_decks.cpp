// The Options menu's Card Deck…: the deck the table's pictures come from.
#include <QAction>
#include <QMenu>
#include <QStatusBar>
#include <QtDebug>

#include <algorithm>
#include <optional>

#include "card_item.h"
#include "deck_art.h"
#include "deck_chooser.h"
#include "frm_main.h"
#include "help_pages.h"
#include "table_scene.h"

namespace corvane {

namespace {

// The four-colour switch says so when the cards on the table cannot follow it.
void ExplainFourColours(QAction* fourColours) {
    if (!fourColours) return;
    fourColours->setToolTip(DeckArt::instance().fixedColours()
                                ? QStringLiteral("This deck's cards cannot be recoloured: only the "
                                                 "suit symbols take four colours.")
                                : QString());
}

}  // namespace

void FrmMain::buildDeckOption(QMenu* options) {
    connect(options->addAction(QStringLiteral("Card Deck\u2026")), &QAction::triggered, this,
            &FrmMain::chooseCardDeck);
    options->actions().constLast()->setObjectName(QStringLiteral("MnuCardDeck"));
    options->setToolTipsVisible(true);

    // Only a deck chosen before is looked for at start, and only its index files are read; its
    // SVG is parsed on a worker thread while the window comes up.
    std::optional<DeckIndex> stored;
    if (const QString id = preferences_.cardDeck(); !id.isEmpty()) {
        const QList<DeckIndex> decks = FindInstalledDecks();
        const auto found = std::find_if(decks.begin(), decks.end(),
                                        [&id](const DeckIndex& deck) { return deck.id == id; });
        if (found != decks.end()) stored = *found;
        if (!stored) qWarning().noquote() << "Card deck" << id << "is no longer installed";
    }
    if ((stored ? stored->id : QString()) != DeckArt::instance().selectedId()) {
        DeckArt::instance().select(stored);
    }
    auto* fourColours = findChild<QAction*>(QStringLiteral("MnuFourColours"));
    ExplainFourColours(fourColours);
    connect(&DeckArt::instance(), &DeckArt::picturesChanged, this, [this, fourColours] {
        ExplainFourColours(fourColours);
        redrawCardPictures();
    });
}

void FrmMain::chooseCardDeck() {
    DeckChooser chooser(FindInstalledDecks(), DeckArt::instance().selectedId(), this);
    if (chooser.exec() != QDialog::Accepted) return;
    const std::optional<DeckIndex> chosen = chooser.chosen();
    preferences_.setCardDeck(chosen ? chosen->id : QString());
    DeckArt::instance().select(chosen);
}

void FrmMain::redrawCardPictures() {
    for (int card = 1; card <= CardCount; ++card) scene_->card(card)->update();
    statusBar()->update();
    for (QWidget* panel : statusBar()->findChildren<QWidget*>()) panel->update();
    help_->redrawCards();
}

}  // namespace corvane
