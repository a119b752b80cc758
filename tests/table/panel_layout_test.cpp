#include <QFontMetricsF>

#include <gtest/gtest.h>

#include "control_items.h"
#include "control_layout.h"
#include "qt_text.h"

namespace corvane {
namespace {

// Everything inside a frame stands inside it, and a long text shows whole at its design size.
TEST(PanelLayout, ControlsStandInsideTheirFramesAndNotesShowWholeAtTheirDesignSize) {
    int notes = 0;
    for (const ControlDesign& design : ControlLayout()) {
        if (design.Parent.empty()) continue;
        const ControlDesign* frame = FindControlDesign(design.Parent);
        ASSERT_NE(frame, nullptr) << design.Name;
        EXPECT_TRUE(QRect(QPoint(0, 0), frame->Rect.size()).contains(design.Rect)) << design.Name;
        if (design.Kind != ControlKind::Note) continue;
        ++notes;
        const QFont font = NoteFont(ToQString(design.Caption), design.Rect.size());
        EXPECT_EQ(font.pixelSize(),
                  NoteFont(QStringLiteral("short"), design.Rect.size()).pixelSize())
            << design.Name << " had to shrink";
    }
    EXPECT_EQ(notes, 6);
}

}  // namespace
}  // namespace corvane
