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

// The layout is at 96 dpi; a window is drawn at its monitor's.
inline constexpr int kLayoutDpi = 96;

// The system's dpi: what a window has where the system tells no monitor's.
int systemDpi();
// A window's dpi: its monitor's, where the system tells it (GetDpiForWindow, Windows 10 1607
// and later, looked up at run time), else the system's.
int dpiOfWindow(HWND window);
// Whether Windows' high-contrast theme is on (SPI_GETHIGHCONTRAST).
bool systemHighContrast();

// A length of the layout at `dpi`.
inline int scaledTo(int pixels, int dpi) { return MulDiv(pixels, dpi, kLayoutDpi); }

// Fonts (one for each dpi a window has been at) and brushes, made once each and freed with it.
class GdiObjects {
  public:
    GdiObjects() = default;
    ~GdiObjects();
    GdiObjects(const GdiObjects&) = delete;
    GdiObjects& operator=(const GdiObjects&) = delete;

    HFONT font(const Font& font, int dpi);
    HBRUSH brush(Colour colour);
    // A colour as Windows takes it: the system's own for the system colours, and in a
    // high-contrast theme for every colour.
    COLORREF colour(Colour colour) const;
    // Whether Windows' high-contrast theme is on; a change makes every brush anew.
    void useHighContrast(bool on);
    bool highContrast() const noexcept { return highContrast_; }

  private:
    std::map<std::tuple<Typeface, int, bool, bool, bool, int>, HFONT> fonts_;
    std::map<Colour, HBRUSH> brushes_;
    bool highContrast_ = false;
};

}  // namespace torvexa::win32
