#pragma once

#include <optional>
#include <ostream>
#include <string_view>

// How large the desktop draws: the layout is in 96-dpi pixels, the screen may have more.
namespace torvexa::fltk {

// "Xft.dpi" from the text of the X resources (the root window's RESOURCE_MANAGER property,
// where GNOME, KDE and Xfce put it on X11); nothing when it is not set or not a number.
std::optional<double> xftDpi(std::string_view resources);

// The scale to draw at: `override` (TORVEXA_SCALE) when it is a number from 1 to 4, else
// Xft.dpi / 96, else 1; a value within 3 % of 1 is 1, so that 97 dpi blurs nothing. An
// override that cannot be used is told on `warnings` and ignored.
double desktopScale(std::optional<double> dpi, const char* override, std::ostream& warnings);

// The scale of this display: its X resources and TORVEXA_SCALE. Opens the display.
double screenScale();

}  // namespace torvexa::fltk
