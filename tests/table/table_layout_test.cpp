#include <QGraphicsView>
#include <QStatusBar>

#include <gtest/gtest.h>

#include <cmath>

#include "card_item.h"
#include "control_items.h"
#include "control_layout.h"
#include "game_state.h"
#include "status_panels.h"
#include "table_geometry.h"
#include "table_scene.h"
#include "table_view.h"

namespace corvane {
namespace {

// Where a control stands on the table, in twips; a size of 0 is the implementer's choice.
struct PlaceCase {
    const char* name;
    QRect place;
};

class TableLayoutTest : public testing::TestWithParam<PlaceCase> {
protected:
    TableScene scene;
};

TEST_P(TableLayoutTest, ControlStandsAtItsDesignPlace) {
    const PlaceCase& c = GetParam();
    const ControlItem* item = scene.control(c.name);
    ASSERT_NE(item, nullptr);
    const QRectF onTable = item->sceneBoundingRect();
    EXPECT_EQ(onTable.topLeft(), QPointF(c.place.topLeft()));
    if (c.place.width() > 0) {
        EXPECT_EQ(onTable.size(), QSizeF(c.place.size()));
    }
}

// Inside a frame a control is placed relative to the frame.
INSTANTIATE_TEST_SUITE_P(Controls, TableLayoutTest,
                         testing::Values(PlaceCase{"FrameTricks", {10320, 120, 2535, 2160}},
                                         PlaceCase{"Lblpname(1)", {11400, 360, 0, 0}},
                                         PlaceCase{"LblLastTrickP", {12000, 600, 0, 0}},
                                         PlaceCase{"LblTotTricksP", {12000, 960, 0, 0}},
                                         PlaceCase{"Label11", {11040, 1320, 0, 0}},
                                         PlaceCase{"LblTotTrickC", {12000, 1920, 0, 0}},
                                         PlaceCase{"FramScores", {10320, 2280, 2535, 2160}},
                                         PlaceCase{"Lblpname(0)", {11400, 2520, 0, 0}},
                                         PlaceCase{"LblPLast(1)", {12000, 2760, 0, 0}},
                                         PlaceCase{"LblGTotal", {10440, 4080, 0, 0}},
                                         PlaceCase{"LblPTot(2)", {12000, 4080, 0, 0}},
                                         PlaceCase{"LblInfo", {2160, 7560, 7992, 372}},
                                         PlaceCase{"LblStock", {0, 1680, 852, 252}},
                                         PlaceCase{"LblName", {1680, 1080, 852, 252}},
                                         PlaceCase{"LblPlayer", {1200, 8640, 636, 276}},
                                         PlaceCase{"LblKnock", {10560, 5280, 1212, 372}},
                                         PlaceCase{"CmdSort", {480, 7920, 1332, 372}},
                                         PlaceCase{"FramDeclare", {3480, 120, 4965, 2892}},
                                         PlaceCase{"FramMarriage", {4320, 120, 2895, 2205}},
                                         PlaceCase{"FramMeldHelp", {3720, 120, 4575, 5052}}),
                         [](const testing::TestParamInfo<PlaceCase>& info) {
                             std::string name = info.param.name;
                             std::erase_if(name, [](char ch) { return ch == '(' || ch == ')'; });
                             return name;
                         });

TEST(TableLayout, EveryControlLiesWithinItsFrameAndTheTable) {
    TableScene scene;
    const QRectF table(0, 0, TableWidth, TableHeight);
    for (const ControlSpec& spec : ControlLayout()) {
        const ControlItem* item = scene.control(spec.Name);
        ASSERT_NE(item, nullptr) << spec.Name;
        EXPECT_TRUE(table.contains(item->sceneBoundingRect())) << spec.Name;
        if (spec.Parent.empty()) continue;
        const ControlItem* frame = scene.control(spec.Parent);
        ASSERT_NE(frame, nullptr) << spec.Name;
        EXPECT_EQ(item->parentItem(), frame) << spec.Name;
        EXPECT_TRUE(frame->sceneBoundingRect().contains(item->sceneBoundingRect())) << spec.Name;
    }
}

TEST(TableLayout, ControlsTheGameNamesOpenAsTheGameBelieves) {
    TableScene scene;
    for (int i = 0; i < ControlCount; ++i) {
        const auto control = static_cast<Control>(i);
        const ControlItem* item = scene.control(control);
        ASSERT_NE(item, nullptr) << i;
        const ControlState design = DesignState(control);
        EXPECT_EQ(item->caption(), QString::fromStdString(design.Caption)) << item->spec().Name;
        EXPECT_EQ(item->isVisible(), design.Visible) << item->spec().Name;
        EXPECT_EQ(&ControlSpecOf(control), &item->spec());
    }
}

TEST(TableLayout, ScoresAndTheSortButtonExplainThemselves) {
    TableScene scene;
    EXPECT_EQ(scene.control("CmdSort")->toolTip(), "Click to change sorting");
    // Tarvish's scores carry tooltips of the same kind.
    for (const ControlSpec& spec : ControlLayout()) {
        if (spec.Kind == ControlKind::Value) {
            EXPECT_FALSE(scene.control(spec.Name)->toolTip().isEmpty()) << spec.Name;
        }
    }
}

TEST(StatusPanels, OpenWithTheirDesignTextsAndTooltips) {
    QStatusBar bar;
    const StatusPanels panels(&bar);
    const char* texts[] = {"", "Trump", "General Information", "Tricks", "Rounds"};
    for (int panel = 1; panel <= 4; ++panel) {
        EXPECT_EQ(panels.panel(panel)->text(), texts[panel]);
        EXPECT_EQ(panels.panel(panel)->image(), 0);
        EXPECT_FALSE(panels.panel(panel)->toolTip().isEmpty());
    }
    EXPECT_EQ(panels.panel(1)->toolTip(), "Current Trumps");
    EXPECT_EQ(panels.panel(2)->toolTip(), "General Information");
}

// The table scaled into views of different shapes: centred, whole, in proportion.
struct ViewCase {
    const char* name;
    QSize size;
};

class TableViewTest : public testing::TestWithParam<ViewCase> {
protected:
    TableScene scene;
    TableView view{&scene};
};

TEST_P(TableViewTest, TwipsMapToPixelsAtOneScaleCentredInTheView) {
    view.resize(GetParam().size);
    view.show();
    const QSize room = view.viewport()->size();
    const double scale =
        std::min(room.width() / double(TableWidth), room.height() / double(TableHeight));
    const QPointF offset((room.width() - TableWidth * scale) / 2,
                         (room.height() - TableHeight * scale) / 2);
    EXPECT_NEAR(view.scale(), scale, 1e-9);

    CardItem* card = scene.card(5);
    card->setPos(2500, 8160);
    card->setVisible(true);
    // The view scrolls by whole pixels and maps to whole pixels: within a pixel and a half.
    const QPoint topLeft = view.mapFromScene(QPointF(2500, 8160));
    EXPECT_NEAR(topLeft.x(), offset.x() + 2500 * scale, 1.5);
    EXPECT_NEAR(topLeft.y(), offset.y() + 8160 * scale, 1.5);

    const QRect onScreen = view.mapFromScene(card->sceneBoundingRect()).boundingRect();
    EXPECT_NEAR(onScreen.width() / double(onScreen.height()), 852.0 / 1152.0, 0.02);
    EXPECT_NEAR(onScreen.width(), CardWidth * scale, 1.5);

    // The whole table is in view and touches two opposite edges.
    const QRect table = view.mapFromScene(QRectF(0, 0, TableWidth, TableHeight)).boundingRect();
    EXPECT_TRUE(QRect(QPoint(0, 0), room).adjusted(-1, -1, 1, 1).contains(table));
    EXPECT_TRUE(std::abs(table.width() - room.width()) <= 1 ||
                std::abs(table.height() - room.height()) <= 1);
}

INSTANTIATE_TEST_SUITE_P(Sizes, TableViewTest,
                         testing::Values(ViewCase{"DesignSize", {859, 655}},
                                         ViewCase{"WideAndLow", {1300, 560}},
                                         ViewCase{"NarrowAndTall", {500, 900}}),
                         [](const testing::TestParamInfo<ViewCase>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
}  // namespace corvane
