#pragma once

#include "ui/WindowRules.h"

class Fl_Window;

namespace torvexa::fltk {

// What a desktop's frame and title bar take around a window, allowed for before the window is
// shown: X tells a window its frame only once it is on the screen, and by the window
// manager's rules (ICCCM, north-west gravity) the frame's corner goes where the window asked
// to be, so the window itself lies lower by the title bar.
FrameSize desktopFrame(double scale);

// A window's place: `wanted` (in screen pixels), moved wholly into the work area of the screen
// that holds that corner, its frame included.
Rect placedOnScreen(const Rect& wanted, double scale);

// Moves a window to the middle of the work area of the main screen, wholly inside it.
void placeCentred(Fl_Window& window, double scale);

// Where a shown window's top left corner is on the screen, as the X server has it: a window
// manager that frames the window (Weston's) need not tell the window where it put the frame.
void screenPositionOf(Fl_Window& window, int& x, int& y);

// Whether a window manager framed the shown window (made it a child of a window of its own).
bool framedByWindowManager(Fl_Window& window);

enum class TitleBar { NoButtons, SystemMenuAndClose };

// Tells the window manager which title-bar buttons a shown window has (Motif hints and the
// allowed actions); its border is fixed either way.
void setTitleBarButtons(Fl_Window& window, TitleBar buttons);

}  // namespace torvexa::fltk
