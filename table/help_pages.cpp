#include "help_pages.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRect>
#include <QVBoxLayout>
#include <QWidget>

#include <initializer_list>
#include <string_view>
#include <vector>

#include "card_art.h"
#include "card_table.h"
#include "help_texts.h"
#include "table_words.h"
#include "twips.h"

namespace corvane {

namespace {

// A card picture of the help pages stands in a square of 660 twips.
constexpr int PictureTwips = 660;
constexpr int HelpFontPixels = 13;

struct HelpButton {
    int Page;
    const char* Name;
    const char* Caption;
    const char* ToolTip;
    int ShowsPage;  // 0: the button only hides its page
};

// Left to right on each page.
constexpr HelpButton kButtons[] = {
    {1, "CmdExitHelp", "E&xit", "", 0},
    {1, "CmdGioHelp2", "Page &2 Help", "", 2},
    {2, "CmdBackPage1", "Page 1 Help", "Click for first page of help", 1},
    {2, "CmdExtPage2", "Exit Help", "Click here to leave Help file", 0},
    {2, "CmdPage3", "Page 3 Help", "Click to go to last help page", 3},
    {3, "CmdBack2", "Return Page 2", "Click to return to page 2", 2},
    {3, "CmdExit3", "Exit Help", "Exit all Help files", 0},
};

constexpr const char* kCaptions[] = {"", "Corvane Help Page 1", "Corvane Help Page Two",
                                     "Corvane Help Page 3"};
constexpr const char* kWindowNames[] = {"", "FrmHelp", "FrmHelp2", "FrmHelp3"};

struct CardName {
    int Suit;
    int Value;
};

// The declaration table of page 2: each label with its cards in a row just above it, Diamonds
// standing for trumps. Positions are the labels' left and top in twips.
struct DeclarationLabel {
    const char* Name;
    const char* Caption;
    int Left;
    int Top;
    std::vector<CardName> Cards;
};

const DeclarationLabel kDeclarations[] = {
    {"LblTrumps", "Trumps", 8400, 3000, {{Diamonds, Ace}}},
    {"LblRM", "Royal Marriage 40 points", 7080, 4080, {{Diamonds, King}, {Diamonds, Queen}}},
    {"Label2", "Common Marriage 20 points", 9120, 4080, {{Hearts, King}, {Hearts, Queen}}},
    {"LblSequence",
     "Trumps Run 150 points",
     6480,
     5640,
     {{Diamonds, Ace}, {Diamonds, Ten}, {Diamonds, Jack}, {Diamonds, Queen}, {Diamonds, King}}},
    {"Label1",
     "Any Four Aces 100 points",
     3480,
     7080,
     {{Diamonds, Ace}, {Spades, Ace}, {Hearts, Ace}, {Clubs, Ace}}},
    {"LblDCorvane",
     "Double Corvane  500 points",
     6720,
     7080,
     {{Spades, Queen}, {Diamonds, Jack}, {Spades, Queen}, {Diamonds, Jack}}},
    {"LblCorvane", "Corvane 40 points", 9600, 7080, {{Spades, Queen}, {Diamonds, Jack}}},
    {"Lbl4kingss",
     "Any Four Kings 80 points",
     3720,
     9000,
     {{Diamonds, King}, {Hearts, King}, {Spades, King}, {Clubs, King}}},
    {"LblJacks",
     "Any Four Jacks 40 points",
     6960,
     8880,
     {{Clubs, Jack}, {Diamonds, Jack}, {Hearts, Jack}, {Spades, Jack}}},
    {"LblQueens",
     "Any Four Queens 60 points",
     9480,
     8880,
     {{Spades, Queen}, {Hearts, Queen}, {Clubs, Queen}, {Diamonds, Queen}}},
};

// Room of page 2's declaration table, in twips.
constexpr int DeclarationTableWidth = 12600;
constexpr int DeclarationTableHeight = 9700;
constexpr int DeclarationLabelWidth = 2000;

int Pixels(int twips) {
    return qRound(twips / TwipsPerPixel);
}

QFont HelpFont() {
    QFont font;
    font.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"),
                      QStringLiteral("DejaVu Serif")});
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(HelpFontPixels);
    return font;
}

// The first of the two identical cards of that suit and value.
int CardIndex(CardName card) {
    return (card.Suit - Diamonds) * 16 + 2 * StrengthRank(card.Value) + 1;
}

// The card picture labels carry the number of their picture.
constexpr const char* kCardImage = "cardImage";

void DrawCardPicture(QLabel* picture) {
    const int side = picture->height();
    const QSize face(qRound(side * qreal(CardArt::CardWidth) / CardArt::CardHeight), side);
    picture->setPixmap(
        CardArt::pixmap(picture->property(kCardImage).toInt(), face, picture->devicePixelRatioF()));
}

QLabel* CardPicture(QWidget* parent, CardName card, int number) {
    auto* picture = new QLabel(parent);
    picture->setObjectName(QStringLiteral("Image%1").arg(number));
    const int side = Pixels(PictureTwips);
    picture->setFixedSize(side, side);
    picture->setAlignment(Qt::AlignCenter);
    picture->setProperty(kCardImage, CardIndex(card));
    picture->setAccessibleName(CardFaceName(CardIndex(card)));
    DrawCardPicture(picture);
    return picture;
}

QLabel* Text(QWidget* parent, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

void BuildPage1(QWidget* page, QVBoxLayout* layout) {
    layout->addWidget(Text(page, help_text::Page1Top()));
    // Six empty lines, in which the cards stand in a row.
    auto* row = new QWidget(page);
    row->setFixedHeight(6 * page->fontMetrics().lineSpacing());
    auto* cards = new QHBoxLayout(row);
    cards->setContentsMargins(page->fontMetrics().horizontalAdvance(QStringLiteral("     ")), 0, 0,
                              0);
    cards->setSpacing(0);
    int number = 0;
    for (const int value : {Ace, Ten, King, Queen, Jack}) {
        cards->addWidget(CardPicture(row, {Diamonds, value}, ++number));
    }
    cards->addStretch();
    layout->addWidget(row);
    layout->addWidget(Text(page, help_text::Page1Bottom()));
}

void BuildPage2(QWidget* page, QVBoxLayout* layout) {
    auto* table = new QWidget(page);
    table->setFixedSize(Pixels(DeclarationTableWidth), Pixels(DeclarationTableHeight));
    Text(table, help_text::Page2())->move(0, 0);
    int number = 0;
    for (const DeclarationLabel& declaration : kDeclarations) {
        QLabel* label = Text(table, QString::fromUtf8(declaration.Caption));
        label->setObjectName(QString::fromUtf8(declaration.Name));
        label->setWordWrap(true);
        label->setFixedWidth(Pixels(DeclarationLabelWidth));
        label->move(Pixels(declaration.Left), Pixels(declaration.Top));
        int left = declaration.Left;
        for (const CardName card : declaration.Cards) {
            CardPicture(table, card, ++number)
                ->move(Pixels(left), Pixels(declaration.Top - PictureTwips));
            left += PictureTwips;
        }
    }
    layout->addWidget(table);
}

void BuildPage3(QWidget* page, QVBoxLayout* layout) {
    // The rule runs across the page and is cut at its edge rather than widening it.
    QLabel* rule = Text(page, help_text::Page3Rule());
    rule->setObjectName(QStringLiteral("Rule"));
    rule->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    layout->addWidget(rule);
    layout->addWidget(Text(page, help_text::Page3()));
}

}  // namespace

HelpPages::HelpPages(QWidget* mainWindow) : QObject(mainWindow), mainWindow_(mainWindow) {}

QWidget* HelpPages::page(int number) {
    if (pages_[number] == nullptr) pages_[number] = build(number);
    return pages_[number];
}

void HelpPages::showPage(int number) {
    QWidget* shown = page(number);
    if (!shown->testAttribute(Qt::WA_Moved)) {
        // The first time, over the middle of the main window; later where the person left it.
        shown->adjustSize();
        QRect place = shown->frameGeometry();
        place.moveCenter(mainWindow_->frameGeometry().center());
        shown->move(place.topLeft());
    }
    shown->show();
    shown->raise();
    shown->activateWindow();
}

void HelpPages::closeAll() {
    for (QWidget* shown : pages_) {
        if (shown != nullptr) shown->close();
    }
}

void HelpPages::redrawCards() {
    for (QWidget* page : pages_) {
        if (page == nullptr) continue;
        for (QLabel* picture : page->findChildren<QLabel*>()) {
            if (picture->property(kCardImage).isValid()) DrawCardPicture(picture);
        }
    }
}

QWidget* HelpPages::build(int number) {
    auto* page = new QWidget(mainWindow_, Qt::Window);
    page->setObjectName(QString::fromUtf8(kWindowNames[number]));
    page->setWindowTitle(QString::fromUtf8(kCaptions[number]));
    page->setFont(HelpFont());
    auto* layout = new QVBoxLayout(page);
    if (number == 1) BuildPage1(page, layout);
    if (number == 2) BuildPage2(page, layout);
    if (number == 3) BuildPage3(page, layout);
    layout->addStretch();
    addButtons(page, number);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    return page;
}

void HelpPages::addButtons(QWidget* page, int number) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (const HelpButton& design : kButtons) {
        if (design.Page != number) continue;
        auto* button = new QPushButton(QString::fromUtf8(design.Caption), page);
        button->setObjectName(QString::fromUtf8(design.Name));
        if (*design.ToolTip != '\0') button->setToolTip(QString::fromUtf8(design.ToolTip));
        const int next = design.ShowsPage;
        connect(button, &QPushButton::clicked, this, [this, page, next] {
            page->hide();
            if (next != 0) showPage(next);
        });
        row->addWidget(button);
    }
    row->addStretch();
    static_cast<QVBoxLayout*>(page->layout())->addLayout(row);
}

}  // namespace corvane
