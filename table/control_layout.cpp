#include "control_layout.h"

#include <algorithm>
#include <array>

namespace corvane {

namespace {

using K = ControlKind;
using C = Control;

// Labels inside the score frames have a place but no size of their own: captions run up to the
// value column, values and names to the frame's right margin.
constexpr int kRowHeight = 252;
constexpr int kCaptionWidth = 1560;
constexpr int kValueWidth = 735;
constexpr int kNameWidth = 1335;

constexpr QRect CaptionAt(int left, int top) {
    return {left, top, kCaptionWidth, kRowHeight};
}
constexpr QRect ValueAt(int left, int top) {
    return {left, top, kValueWidth, kRowHeight};
}
constexpr QRect NameAt(int left, int top) {
    return {left, top, kNameWidth, kRowHeight};
}

// The declaration panel's buttons, the marriage panel's, and the reminder's texts, which stand
// one under the other at the panel's margins.
constexpr QRect DeclareButtonAt(int left, int top) {
    return {left, top, 2052, 372};
}
constexpr QRect MarriageButtonAt(int top) {
    return {360, top, 1995, 300};
}
constexpr int kReminderMargin = 240;
constexpr int kReminderLineHeight = 240;
constexpr QRect ReminderAt(int top, int lines) {
    return {kReminderMargin, top, 4575 - 2 * kReminderMargin, lines * kReminderLineHeight};
}

constexpr std::array kControls = std::to_array<ControlDesign>({
    // The trick scores of both players.
    {"FrameTricks", {}, K::Frame, "", {10320, 120, 2535, 2160}, "Current Trick Scores", ""},
    {"Lblpname(1)", C::Lblpname1, K::Name, "FrameTricks", NameAt(1080, 240), "Player", ""},
    {"Label2", {}, K::Caption, "FrameTricks", CaptionAt(120, 480), "Last Trick Score:-", ""},
    {"LblLastTrickP", C::LblLastTrickP, K::Value, "FrameTricks", ValueAt(1680, 480), "",
     "Your last trick score"},
    {"Label5", {}, K::Caption, "FrameTricks", CaptionAt(120, 840), "Total Trick Score:-", ""},
    {"LblTotTricksP", C::LblTotTricksP, K::Value, "FrameTricks", ValueAt(1680, 840), "",
     "Your current trick scores"},
    {"Label11", {}, K::Name, "FrameTricks", NameAt(720, 1200), "Tarvish", ""},
    {"Label4", {}, K::Caption, "FrameTricks", CaptionAt(120, 1440), "Last Trick Score:-", ""},
    {"LblLastTrickC", C::LblLastTrickC, K::Value, "FrameTricks", ValueAt(1680, 1440), "",
     "Tarvish's last trick score"},
    {"Label8", {}, K::Caption, "FrameTricks", CaptionAt(120, 1800), "Total Trick Score", ""},
    {"LblTotTrickC", C::LblTotTrickC, K::Value, "FrameTricks", ValueAt(1680, 1800), "",
     "Tarvish's current trick scores"},

    // The meld scores and game totals of both players.
    {"FramScores", {}, K::Frame, "", {10320, 2280, 2535, 2160}, "Meld Scores and Total", ""},
    {"Lblpname(0)", C::Lblpname0, K::Name, "FramScores", NameAt(1080, 240), "Player", ""},
    {"LblLastScoreP", {}, K::Caption, "FramScores", CaptionAt(120, 480), "Last Meld Score:-", ""},
    {"LblPLast(1)", C::LblPLast1, K::Value, "FramScores", ValueAt(1680, 480), "",
     "Your last Meld score"},
    {"LPTotal", {}, K::Caption, "FramScores", CaptionAt(120, 840), "Total Score:-", ""},
    {"LblPTot(1)", C::LblPTot1, K::Value, "FramScores", ValueAt(1680, 840), "", "Your total score"},
    {"LblWName", {}, K::Name, "FramScores", NameAt(720, 1200), "Tarvish", ""},
    {"LblLastScoreG", {}, K::Caption, "FramScores", CaptionAt(120, 1440), "Last Meld Score:-", ""},
    {"LblPLast(2)", C::LblPLast2, K::Value, "FramScores", ValueAt(1680, 1440), "",
     "Tarvish's last Meld score"},
    {"LblGTotal", {}, K::Caption, "FramScores", CaptionAt(120, 1800), "Total Score:-", ""},
    {"LblPTot(2)", C::LblPTot2, K::Value, "FramScores", ValueAt(1680, 1800), "",
     "Tarvish's total score"},

    // The table's own labels and the sort button.
    {"LblInfo", C::LblInfo, K::Info, "", {2160, 7560, 7992, 372}, "", ""},
    {"LblStock", C::LblStock, K::Caption, "", {0, 1680, 852, 252}, "Stock", ""},
    {"LblName", C::LblName, K::Name, "", {1680, 1080, 852, 252}, "Tarvish", ""},
    {"LblPlayer", C::LblPlayer, K::Name, "", {1200, 8640, 636, 276}, "Player", ""},
    {"LblKnock", C::LblKnock, K::Clickable, "", {10560, 5280, 1212, 372}, "Knock?", ""},
    {"CmdSort",
     C::CmdSort,
     K::Button,
     "",
     {480, 7920, 1332, 372},
     "&Sort Suits",
     "Click to change sorting"},

    // The person's declaration panel, the marriage panel it opens, and the meld reminder: hidden
    // until the game opens them. Their buttons stand in two columns that touch.
    {"FramDeclare",
     C::FramDeclare,
     K::Panel,
     "",
     {3480, 120, 4965, 2892},
     "Select a Declaration or click on Stock for card",
     ""},
    {"CmdDCorvane",
     {},
     K::Button,
     "FramDeclare",
     DeclareButtonAt(480, 480),
     "&Double Corvane",
     "Click here if you have a Double Tamblin"},
    {"CmdCorvane",
     {},
     K::Button,
     "FramDeclare",
     DeclareButtonAt(2520, 480),
     "&Corvane",
     "Click here to Meld  a Tamblin"},
    {"CmdSequence",
     {},
     K::Button,
     "FramDeclare",
     DeclareButtonAt(480, 840),
     "Run in &Trumps",
     "Click here to Meld a Sequence"},
    {"CmdFours(3)",
     {},
     K::Button,
     "FramDeclare",
     DeclareButtonAt(2520, 840),
     "Four &Aces",
     "Click here to Meld 4 Aces"},
    {"CmdFours(0)",
     {},
     K::Button,
     "FramDeclare",
     DeclareButtonAt(480, 1200),
     "Four &Kings",
     "Click here to Meld 4 Kings"},
    {"CmdFours(1)",
     {},
     K::Button,
     "FramDeclare",
     DeclareButtonAt(2520, 1200),
     "Four &Queens",
     "Click here to Meld 4 Queens"},
    {"CmdFours(2)",
     {},
     K::Button,
     "FramDeclare",
     DeclareButtonAt(480, 1560),
     "Four &Jacks",
     "Click here to Meld 4 Jacks"},
    {"cmdDec7Trumps",
     {},
     K::Button,
     "FramDeclare",
     DeclareButtonAt(2520, 1560),
     "Di&x- 7 Trumps",
     "Click here to Meld a 9 of Trumps"},
    {"CmdMakeMarriage",
     {},
     K::Button,
     "FramDeclare",
     {1440, 1920, 1950, 330},
     "Make &Marriage",
     "Click here to make a marriage"},
    {"CmdCancel", {}, K::Button, "FramDeclare", {1800, 2400, 1332, 384}, "C&ancel", ""},

    {"FramMarriage",
     C::FramMarriage,
     K::Panel,
     "",
     {4320, 120, 2895, 2205},
     "Select Marriage to Make",
     ""},
    {"CmdMarriage(1)",
     {},
     K::Button,
     "FramMarriage",
     MarriageButtonAt(480),
     "Di&amonds",
     "Click here to declare Marriage in Diamonds"},
    {"CmdMarriage(2)",
     {},
     K::Button,
     "FramMarriage",
     MarriageButtonAt(840),
     "C&lubs",
     "Click here to declare Marriage in Clubs"},
    {"CmdMarriage(3)",
     {},
     K::Button,
     "FramMarriage",
     MarriageButtonAt(1215),
     "&Hearts",
     "Click here to declare Marriage in Hearts"},
    {"CmdMarriage(4)",
     {},
     K::Button,
     "FramMarriage",
     MarriageButtonAt(1560),
     "Spa&des",
     "Click here to declare Marriage in Spades"},

    {"FramMeldHelp",
     C::FramMeldHelp,
     K::Panel,
     "",
     {3720, 120, 4575, 5052},
     "Meld Quick Reminder",
     ""},
    {"Label10",
     {},
     K::Note,
     "FramMeldHelp",
     ReminderAt(360, 2),
     "A run of Ace,Ten,King,Queen and Jack in Trumps - worth 150 points.",
     ""},
    {"Label9",
     {},
     K::Note,
     "FramMeldHelp",
     ReminderAt(1040, 3),
     "Four cards same value but different suits - can be Aces at 100 points, Kings at 80 "
     "points, Queens at 60 points and Jacks at 40 points.",
     ""},
    {"Label7",
     {},
     K::Note,
     "FramMeldHelp",
     ReminderAt(1960, 2),
     "Double Corvane - two Queen of Spades and two Jack of Diamonds - 500 points.",
     ""},
    {"Label6",
     {},
     K::Note,
     "FramMeldHelp",
     ReminderAt(2640, 2),
     "Single Corvane - Queen Spades -Jack Diamonds - 40 points.",
     ""},
    {"Label3",
     {},
     K::Note,
     "FramMeldHelp",
     ReminderAt(3320, 2),
     "Marriage - King and Queen of same suit. 40 points if trumps else 20 points each.",
     ""},
    {"LblDix",
     {},
     K::Note,
     "FramMeldHelp",
     ReminderAt(4000, 2),
     "Dix - 7 of trumps swapped up card and melded. 10 points.",
     ""},
    {"Command1", {}, K::Button, "FramMeldHelp", {1620, 4560, 1332, 372}, "&O.K", ""},
});

constexpr std::array kStatusPanels = std::to_array<StatusPanelDesign>({
    {"Trump", "Current Trumps", 20, false},
    {"General Information", "General Information", 30, true},
    {"Tricks", "Tricks played in the Second Round", 10, false},
    {"Rounds", "The round being played", 10, false},
});

}  // namespace

std::span<const ControlDesign> ControlLayout() {
    return kControls;
}

const ControlDesign* FindControlDesign(std::string_view name) {
    const auto* found =
        std::find_if(kControls.begin(), kControls.end(),
                     [name](const ControlDesign& design) { return design.Name == name; });
    return found == kControls.end() ? nullptr : found;
}

const ControlDesign& ControlDesignOf(Control control) {
    const auto* found =
        std::find_if(kControls.begin(), kControls.end(),
                     [control](const ControlDesign& design) { return design.Game == control; });
    // Every control the game names has its place in the layout; a test holds this.
    return *found;
}

std::span<const StatusPanelDesign> StatusPanelLayout() {
    return kStatusPanels;
}

}  // namespace corvane
