#include "help_pages.h"

#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "about_box.h"
#include "card_art.h"
#include "card_table.h"
#include "game_state.h"
#include "qt_test_support.h"

namespace corvane {
namespace {

class HelpPagesTest : public testing::Test {
protected:
    // The pages on the screen, by number.
    std::set<int> Shown() {
        std::set<int> shown;
        for (int number = 1; number <= 3; ++number) {
            if (pages.page(number)->isVisible()) shown.insert(number);
        }
        return shown;
    }
    QPushButton* Button(int page, const char* name) {
        auto* button = pages.page(page)->findChild<QPushButton*>(name);
        EXPECT_NE(button, nullptr) << name;
        return button;
    }
    // The card a picture shows, found by comparing it with every card face at its size.
    static int CardShown(const QLabel* picture) {
        const QImage shown = picture->pixmap().toImage();
        for (int card = 1; card <= CardCount; ++card) {
            const QPixmap face =
                CardArt::pixmap(card, picture->pixmap().deviceIndependentSize().toSize(),
                                picture->pixmap().devicePixelRatio());
            if (face.toImage() == shown) return card;
        }
        return 0;
    }
    // The first of the two cards of that suit and value in the game's card table.
    static int Card(int suit, int value) {
        static const Game cards = [] {
            Game g;
            BuildCardTable(g);
            return g;
        }();
        for (int card = 1; card <= CardCount; ++card) {
            if (cards.CardTable[card].Suit == suit && cards.CardTable[card].Value == value) {
                return card;
            }
        }
        return 0;
    }

    QWidget main;
    HelpPages pages{&main};
};

TEST_F(HelpPagesTest, ButtonsHideTheirPageAndShowTheNextNeverMakingASecondCopy) {
    const struct {
        const char* step;  // a button "page:name", or "menu" for the main help command
        std::set<int> shown;
    } steps[] = {
        {"menu", {1}},          {"1:CmdGioHelp2", {2}}, {"2:CmdPage3", {3}},
        {"3:CmdBack2", {2}},    {"menu", {1, 2}},       {"2:CmdBackPage1", {1}},
        {"1:CmdGioHelp2", {2}}, {"2:CmdExtPage2", {}},  {"menu", {1}},
        {"1:CmdExitHelp", {}},  {"menu", {1}},          {"1:CmdGioHelp2", {2}},
        {"2:CmdPage3", {3}},    {"3:CmdExit3", {}},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.step);
        const std::string name = step.step;
        if (name == "menu") {
            pages.showPage(1);
        } else {
            Button(name[0] - '0', name.substr(2).c_str())->click();
        }
        EXPECT_EQ(Shown(), step.shown);
        for (const char* window : {"FrmHelp", "FrmHelp2", "FrmHelp3"}) {
            EXPECT_EQ(main.findChildren<QWidget*>(window).size(), 1) << window;
        }
    }
    EXPECT_FALSE(pages.page(2)->isModal());
}

TEST_F(HelpPagesTest, CardPicturesShowTheirCardsInRowsAboveTheirLabels) {
    const std::vector<int> page1{Card(Diamonds, Ace), Card(Diamonds, Ten), Card(Diamonds, King),
                                 Card(Diamonds, Queen), Card(Diamonds, Jack)};
    for (int i = 0; i < 5; ++i) {
        const auto* picture = pages.page(1)->findChild<QLabel*>(QString("Image%1").arg(i + 1));
        ASSERT_NE(picture, nullptr);
        EXPECT_EQ(CardShown(picture), page1[i]) << "Image" << i + 1;
    }

    const int queenS = Card(Spades, Queen), jackD = Card(Diamonds, Jack);
    const struct {
        const char* label;
        std::vector<int> cards;
    } rows[] = {
        {"LblTrumps", {Card(Diamonds, Ace)}},
        {"LblRM", {Card(Diamonds, King), Card(Diamonds, Queen)}},
        {"Label2", {Card(Hearts, King), Card(Hearts, Queen)}},
        {"LblSequence",
         {Card(Diamonds, Ace), Card(Diamonds, Ten), jackD, Card(Diamonds, Queen),
          Card(Diamonds, King)}},
        {"Label1", {Card(Diamonds, Ace), Card(Spades, Ace), Card(Hearts, Ace), Card(Clubs, Ace)}},
        {"LblDCorvane", {queenS, jackD, queenS, jackD}},
        {"LblCorvane", {queenS, jackD}},
        {"Lbl4kingss",
         {Card(Diamonds, King), Card(Hearts, King), Card(Spades, King), Card(Clubs, King)}},
        {"LblJacks", {Card(Clubs, Jack), jackD, Card(Hearts, Jack), Card(Spades, Jack)}},
        {"LblQueens", {queenS, Card(Hearts, Queen), Card(Clubs, Queen), Card(Diamonds, Queen)}},
    };
    QWidget* page = pages.page(2);
    int image = 0;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        const auto* label = page->findChild<QLabel*>(row.label);
        ASSERT_NE(label, nullptr);
        int left = label->x();
        for (const int card : row.cards) {
            const auto* picture = page->findChild<QLabel*>(QString("Image%1").arg(++image));
            ASSERT_NE(picture, nullptr) << image;
            EXPECT_EQ(CardShown(picture), card) << "Image" << image;
            EXPECT_EQ(picture->geometry().bottomLeft(), QPoint(left, label->y() - 1));
            left += picture->width();
        }
    }
    EXPECT_EQ(image, 32);
}

TEST_F(HelpPagesTest, PageThreeGivesTheTrickPointsThatArePlayedInASerifFace) {
    // Some serif face, whichever the system has.
    const QString family = QFontInfo(pages.page(3)->findChild<QLabel*>()->font()).family();
    EXPECT_TRUE(family.contains("Serif") || family.contains("Times")) << family.toStdString();
    QString text;
    for (const QLabel* label : pages.page(3)->findChildren<QLabel*>()) text += label->text() + "\n";
    EXPECT_TRUE(text.startsWith(QString(145, '=') + "\n"));
    EXPECT_TRUE(text.contains("10 points for each Ace, each Ten and each Seven of trumps"));
    EXPECT_TRUE(text.contains("The last trick of a hand scores nothing more."));
    EXPECT_TRUE(text.contains("\n     Tarvish will do the same.\n"));
    EXPECT_LT(pages.page(3)->width(), 1000) << "the rule does not widen the page";
}

TEST(AboutBox, ShowsTitleVersionAndStartsSystemInformationWhenThereIsSome) {
    QWidget main;
    FrmAbout about(&main);
    about.show();
    EXPECT_EQ(about.windowTitle(), "About Corvane");
    EXPECT_EQ(about.findChild<QLabel*>("lblTitle")->text(), "Corvane");
    EXPECT_EQ(about.findChild<QLabel*>("lblVersion")->text(), "Version 1.0.2");
    QPushButton* sysInfo = about.findChild<QPushButton*>("cmdSysInfo");

    // A PATH with no information program, then one with a stand-in that leaves a mark.
    QTemporaryDir bin;
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", bin.path().toUtf8());
    std::vector<std::string> boxes;
    QTimer::singleShot(0, [&boxes] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        boxes.push_back(box->text().toStdString());
        box->accept();
    });
    sysInfo->click();
    EXPECT_EQ(boxes, std::vector<std::string>{"System Information Is Unavailable At This Time"});
    EXPECT_TRUE(about.isVisible());

    const QString mark = bin.filePath("started");
    QFile tool(bin.filePath(FrmAbout::SystemInfoPrograms().back()));
    ASSERT_TRUE(tool.open(QIODevice::WriteOnly));
    tool.write(("#!/bin/sh\n: > '" + mark + "'\n").toUtf8());
    tool.close();
    tool.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    sysInfo->click();
    qputenv("PATH", path);
    for (int waited = 0; waited < 5000 && !QFile::exists(mark); waited += 20) QTest::qWait(20);
    EXPECT_TRUE(QFile::exists(mark));
    EXPECT_EQ(boxes.size(), 1u) << "no notice when the tool starts";
}

}  // namespace
}  // namespace corvane
