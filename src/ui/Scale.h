#pragma once

#include <cmath>

#include "ui/Control.h"

// The layout is in 96-dpi pixels; a view draws it at the screen's scale.
namespace torvexa {

// One layout coordinate at `scale` (1.0 at 96 dpi, 1.5 at 144 dpi), rounded half away from 0.
inline int scaled(int pixels, double scale) {
    return static_cast<int>(std::lround(pixels * scale));
}

// A font's pixel size at `scale`, rounded down: a text's width grows a little faster than its
// size, so a font rounded up would outgrow room that the layout scaled exactly.
inline int scaledFont(int pixels, double scale) {
    return static_cast<int>(std::floor(pixels * scale + 0.01));
}

// A line of one layout pixel at `scale`: one pixel up to 2, two from 2 on, and so on.
inline int lineWidth(double scale) { return scale < 2 ? 1 : static_cast<int>(scale); }

// A layout rectangle on the screen: its edges are scaled and rounded, never its size, so that
// controls side by side neither gap nor overlap at any scale.
inline Rect scaledRect(const Rect& layout, double scale) {
    const int left = scaled(layout.left, scale);
    const int top = scaled(layout.top, scale);
    return {left, top, scaled(layout.left + layout.width, scale) - left,
            scaled(layout.top + layout.height, scale) - top};
}

}  // namespace torvexa
