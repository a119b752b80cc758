#include "message_layout.h"

#include <algorithm>

namespace corvane {

using namespace message_geometry;

MessageLayout LayOutMessage(double messageHeight, bool secondButton, bool thirdButton,
                            double maxHeight) {
    MessageLayout layout;
    const double W = DialogWidth;
    layout.Width = W;
    layout.Message = {MessageLeft, MessageTop, MessageWidth, messageHeight};

    double viewHeight = messageHeight;
    // A screen too small for even one line of message is not worth honouring.
    const double smallest = HeightBesidesMessage + ButtonHeight;
    if (messageHeight + HeightBesidesMessage > std::max(maxHeight, smallest)) {
        viewHeight = std::max(maxHeight, smallest) - HeightBesidesMessage;
        layout.Scrolls = true;
    }
    layout.MessageView = {MessageLeft, MessageTop, MessageWidth, viewHeight};
    const double H = viewHeight + HeightBesidesMessage;
    layout.Height = H;

    layout.Title = TitleLine;
    layout.Icon = {IconLeft, H / 2 - IconSide / 2, IconSide, IconSide};

    const double top = H - ButtonHeight - ButtonsAboveBottom;
    for (TwipRect& button : layout.Buttons) button = {0, top, ButtonWidth, ButtonHeight};
    const double w = ButtonWidth;
    layout.ButtonShown = {true, secondButton, thirdButton};
    layout.Buttons[0].Left = W / 2 - w / 2;
    if (secondButton && thirdButton) {
        layout.Buttons[0].Left = W / 2 - w / 2 - GapOfThree - w;
        layout.Buttons[1].Left = W / 2 - w / 2;
        layout.Buttons[2].Left = W / 2 + w / 2 + GapOfThree;
    } else if (secondButton || thirdButton) {
        // A third caption without a second stands where the second would.
        layout.Buttons[0].Left = W / 2 - w - GapOfTwo / 2;
        layout.Buttons[secondButton ? 1 : 2].Left = W / 2 + GapOfTwo / 2;
    }
    return layout;
}

}  // namespace corvane
