#pragma once

// The fonts and brushes of the Windows view, and its colours as Windows takes them.

// Windows' headers after the program's, so that their macros reach none of its headers.
#include "forms/Program.h"

#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>

#include <map>
#include <tuple>

#include "ui/Control.h"

namespace torvexa::win32 {

COLORREF toColorRef(Colour colour);

// Fonts and brushes, made once each and freed with it, and the screen's scale (layouts are
// at 96 dpi).
class GdiObjects {
  public:
    GdiObjects();
    ~GdiObjects();
    GdiObjects(const GdiObjects&) = delete;
    GdiObjects& operator=(const GdiObjects&) = delete;

    int scale(int pixels) const { return MulDiv(pixels, dpi_, 96); }
    HFONT font(const Font& font);
    HBRUSH brush(Colour colour);

  private:
    int dpi_ = 96;
    std::map<std::tuple<Typeface, int, bool, bool, bool>, HFONT> fonts_;
    std::map<Colour, HBRUSH> brushes_;
};

}  // namespace torvexa::win32
