#pragma once

#include <QRect>

#include <optional>
#include <span>
#include <string_view>

#include "table.h"

namespace corvane {

// What a named control of the table is, and so how it looks and acts.
enum class ControlKind {
    Frame,      // a captioned box; the controls inside it are placed relative to it
    Panel,      // a frame that opens over the cards and hides what lies beneath it
    Note,       // a fixed text over several lines, wrapped at its width
    Caption,    // a fixed text
    Name,       // a player's name
    Value,      // a score
    Info,       // the running commentary line
    Clickable,  // a label that acts when clicked (the knock)
    Button,     // a command button
};

// One control of the table as designed: where it stands, what it says and what it explains.
struct ControlDesign {
    std::string_view Name;        // the design name, "LblInfo", "Label2"
    std::optional<Control> Game;  // the game's handle, for the controls the game changes
    ControlKind Kind;
    std::string_view Parent;   // the frame it stands in; empty for the table itself
    QRect Rect;                // twips; inside a frame, relative to the frame
    std::string_view Caption;  // the design caption
    std::string_view ToolTip;  // empty for none
};

// Every control of the table, frames before the controls inside them.
std::span<const ControlDesign> ControlLayout();
const ControlDesign* FindControlDesign(std::string_view name);
const ControlDesign& ControlDesignOf(Control control);

// One panel of the status bar StatusBar1.
struct StatusPanelDesign {
    std::string_view Text;  // the design text
    std::string_view ToolTip;
    int MinimumChars;  // room for this many characters at least
    bool Stretches;    // takes up the room the other panels leave
};

// Panels 1 to 4 in order.
std::span<const StatusPanelDesign> StatusPanelLayout();

}  // namespace corvane
