#pragma once

// Where the Windows view puts each control at a dpi: the layout (96 dpi) scaled edge by edge,
// the same rule the FLTK view follows, and the whole window laid out again when its dpi
// changes.
#include "view/win32/ViewParts.h"

namespace torvexa::win32 {

// The control's rectangle in its parent window's client area at `dpi`.
RECT placeOf(const Control& control, int dpi);

// The form window's rectangle at `dpi` with its frame (and menu bar), placed where the layout
// puts it and moved inside the work area of the monitor there.
RECT formWindowRect(const Form& form, DWORD style, DWORD exStyle, bool menu, int dpi);

// Lays every control of the form's window out again at its window's new dpi: places, fonts,
// what each kind adds (row heights, thumbs), then every observer again for what depends on
// the text's size.
void layOutAgain(ViewParts& view, Form& form, int dpi);

}  // namespace torvexa::win32
