#pragma once

#include <array>

namespace corvane {

struct TwipRect {
    double Left = 0;
    double Top = 0;
    double Width = 0;
    double Height = 0;

    double Right() const { return Left + Width; }
    double Bottom() const { return Top + Height; }
    bool operator==(const TwipRect&) const = default;
};

// Where everything of the message dialog stands for one message, in twips of the dialog's inner
// area.
struct MessageLayout {
    double Width = 0;
    double Height = 0;
    TwipRect Title;        // Label3
    TwipRect Message;      // Label2, as high as its wrapped text
    TwipRect MessageView;  // the part of Label2 on show: all of it unless the dialog is capped
    bool Scrolls = false;  // the message is taller than the screen allows and scrolls
    TwipRect Icon;         // Picture1
    std::array<TwipRect, 3> Buttons;  // Pic1(0..2)
    std::array<bool, 3> ButtonShown{};
};

namespace message_geometry {
inline constexpr double DialogWidth = 4500;
// Everything the dialog needs besides its message: title, margins and the button row.
inline constexpr double HeightBesidesMessage = 1140;
inline constexpr TwipRect TitleLine{45, 60, DialogWidth - 90, 300};
inline constexpr double MessageLeft = 90;
inline constexpr double MessageTop = 450;
inline constexpr double MessageWidth = 3375;
inline constexpr double IconLeft = 3900;
inline constexpr double IconSide = 510;
inline constexpr double ButtonWidth = 1275;
inline constexpr double ButtonHeight = 300;
inline constexpr double ButtonsAboveBottom = 90;
inline constexpr double GapOfTwo = 46;
inline constexpr double GapOfThree = 45;
}  // namespace message_geometry

// Lays the dialog out for a message `messageHeight` twips high, with the second and third buttons
// shown or not, on a screen that leaves `maxHeight` twips for the dialog. A message too tall for
// the screen is shown in a view that fills the dialog's largest height and scrolls.
MessageLayout LayOutMessage(double messageHeight, bool secondButton, bool thirdButton,
                            double maxHeight);

}  // namespace corvane
