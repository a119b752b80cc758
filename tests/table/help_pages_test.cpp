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
#include <sstream>
#include <string>
#include <vector>

#include "../engine/engine_test_support.h"
#include "about_box.h"
#include "card_art.h"
#include "qt_test_support.h"

namespace corvane {
namespace {

class HelpPagesTest : public testing::Test {
protected:
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
            auto* button =
                pages.page(name[0] - '0')->findChild<QPushButton*>(name.substr(2).c_str());
            ASSERT_NE(button, nullptr);
            button->click();
        }
        std::set<int> shown;
        for (int number = 1; number <= 3; ++number) {
            if (pages.page(number)->isVisible()) shown.insert(number);
        }
        EXPECT_EQ(shown, step.shown);
        for (const char* window : {"FrmHelp", "FrmHelp2", "FrmHelp3"}) {
            EXPECT_EQ(main.findChildren<QWidget*>(window).size(), 1) << window;
        }
    }
    EXPECT_FALSE(pages.page(2)->isModal());
}

// Page 1's row of cards, and page 2's declarations with their cards in a row just above them.
TEST_F(HelpPagesTest, CardPicturesShowTheirCardsInRowsAboveTheirLabels) {
    std::istringstream rows{
        ":AD TD KD QD JD/LblTrumps:AD/LblRM:KD QD/Label2:KH QH/LblSequence:AD TD JD QD KD/"
        "Label1:AD AS AH AC/LblDCorvane:QS JD QS JD/LblCorvane:QS JD/Lbl4kingss:KD KH KS KC/"
        "LblJacks:JC JD JH JS/LblQueens:QS QH QC QD"};  // "label:cards/"; page 1 has none
    int image = 0;  // the pictures of each page are numbered from 1
    for (std::string name, cards;
         std::getline(rows, name, ':') && std::getline(rows, cards, '/');) {
        SCOPED_TRACE(name);
        QWidget* page = pages.page(name.empty() ? 1 : 2);
        if (name == "LblTrumps") image = 0;
        const auto* label = name.empty() ? nullptr : page->findChild<QLabel*>(name.c_str());
        int left = label == nullptr ? 0 : label->x();
        for (const int card : testing_support::Cards(cards)) {
            const auto* picture = page->findChild<QLabel*>(QString("Image%1").arg(++image));
            ASSERT_NE(picture, nullptr) << image;
            EXPECT_EQ(CardShown(picture), card) << "Image" << image;
            if (label == nullptr) continue;
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
    EXPECT_EQ(about.windowTitle(), "About Corvane");
    EXPECT_EQ(about.findChild<QLabel*>("lblTitle")->text(), "Corvane");
    EXPECT_EQ(about.findChild<QLabel*>("lblVersion")->text(), "Version 1.0.2");

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
    about.findChild<QPushButton*>("cmdSysInfo")->click();
    const QString mark = bin.filePath("started");
    QFile tool(bin.filePath(FrmAbout::SystemInfoPrograms().back()));
    ASSERT_TRUE(tool.open(QIODevice::WriteOnly));
    tool.write(("#!/bin/sh\n: > '" + mark + "'\n").toUtf8());
    tool.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    tool.close();
    about.findChild<QPushButton*>("cmdSysInfo")->click();
    qputenv("PATH", path);
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(mark); }, 5000));
    EXPECT_EQ(boxes, std::vector<std::string>{"System Information Is Unavailable At This Time"})
        << "once, with no program to start; none when the stand-in starts";
}

}  // namespace
}  // namespace corvane
