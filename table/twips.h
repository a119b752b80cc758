#pragma once

namespace corvane {

// The table and the message dialog are designed in twips. At the design size 15 twips make one
// device-independent pixel (1440 to the inch on a screen of 96 dots to the inch); the window
// system's own scaling takes it from there to the device.
inline constexpr double TwipsPerPixel = 15.0;

}  // namespace corvane
