#pragma once

#include <optional>
#include <string>
#include <vector>

class Fl_Widget;

namespace torvexa::fltk {

// What the open list of a drop-down is given: its items as shown, the item chosen now (-1:
// none), the size of its text and the screen's scale.
struct DropDownItems {
    const std::vector<std::string>& items;
    int chosen;
    int textSize;
    double scale;
};

// Opens a drop-down's list below its box (above it where the screen's work area ends), as wide
// as the box, and runs until the person closes it, as Windows' drop-down lists do: it opens on
// the chosen item, highlighted; the arrows, PageUp, PageDown, Home and End and the pointer over a
// row move the highlight; Enter, F4, Alt+Up and Alt+Down choose the highlighted item and a click
// the item under it; Esc, Tab or a click outside the list close it without a choice. A long list
// scrolls. Returns the chosen item, if one was chosen.
std::optional<int> openDropDownList(Fl_Widget& box, const DropDownItems& list);

}  // namespace torvexa::fltk
