#pragma once

#include <cstdint>

#include "ui/Control.h"

// The colours every view shows: the layout's, and which control shows which behind it.
namespace torvexa {

struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
    bool operator==(const Rgb&) const = default;
};

// The system colours (button face, window, window text, hot light) are the system's own where
// the toolkit has them (isSystemColour); rgbOf gives their usual values for the others.
Rgb rgbOf(Colour colour);
bool isSystemColour(Colour colour);

// In a high-contrast theme every colour is the system's: the layout's backgrounds become the
// button face (as a dialog's), its navy links the colour of links (hot light).
Colour highContrastOf(Colour colour);

// The colour a control shows behind it: its own, else the nearest parent's.
Colour backgroundOf(const Control& control);

// Behind a control's text: lists and the field of every drop-down are the window colour
// (white), whatever lies behind them; every other control shows backgroundOf.
Colour textBackgroundOf(const Control& control);

}  // namespace torvexa
