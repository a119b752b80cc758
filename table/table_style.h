#pragma once

#include <QColor>
#include <QFont>

// The look of the table: the felt, the frames, labels and buttons on it. Sizes are twips, so
// that text and lines scale with the table (160 twips is an eight-point font).

namespace corvane::style {

inline const QColor Felt{0x23, 0x6e, 0x3f};
// The light middle of the felt is dark enough for every text on it to keep a contrast of 4.5 : 1.
inline const QColor FeltLight{0x27, 0x76, 0x44};
inline const QColor Letterbox{0x10, 0x33, 0x1d};

inline const QColor FrameLine{0xd9, 0xc9, 0x8b};
inline const QColor FrameFill{0x00, 0x00, 0x00, 0x38};
inline const QColor PanelFill{0x1a, 0x4d, 0x2e};
inline const QColor FrameCaption{0xf9, 0xef, 0xc8};
inline const QColor CaptionText{0xee, 0xea, 0xd6};
inline const QColor NameText{0xff, 0xe6, 0x94};
inline const QColor ValueText{0xff, 0xff, 0xff};
inline const QColor InfoText{0xff, 0xf6, 0xc8};
inline const QColor KnockFill{0x9c, 0x22, 0x22};
inline const QColor KnockText{0xff, 0xf4, 0xe0};

inline const QColor ButtonFace{0xe4, 0xdf, 0xcf};
inline const QColor ButtonFacePressed{0xcc, 0xc6, 0xb3};
inline const QColor ButtonLight{0xff, 0xff, 0xff};
inline const QColor ButtonShadow{0x80, 0x7a, 0x6a};
inline const QColor ButtonDarkShadow{0x30, 0x2c, 0x24};
inline const QColor ButtonText{0x10, 0x10, 0x10};

// The ring round the card chosen with the keyboard.
inline const QColor FocusMarkLine{0xff, 0xd4, 0x00};
inline const QColor FocusMarkEdge{0x10, 0x10, 0x10, 0xc0};
inline constexpr int FocusMarkWidth = 80;
inline constexpr int FocusMarkRadius = 90;

inline constexpr int FrameLineWidth = 24;
inline constexpr int FrameCornerRadius = 70;
inline constexpr int BevelWidth = 30;
inline constexpr int FocusLineWidth = 15;

// A font of `size` twips that keeps its proportions at every scale of the table.
QFont TableFont(int size, bool bold = false);

}  // namespace corvane::style
