#pragma once

class Fl_Widget;
class Fl_Window;

namespace torvexa::fltk {

// Shows `window` as a modal window and returns when it is closed. While it is up it owns the
// keyboard and the mouse, whatever the window manager does (none, focus-follows-mouse, one
// that does not focus new windows): it takes the keyboard focus when it appears, a key that
// reaches another window of the program goes to it, and a click there does nothing. When it
// closes, the focus goes back to the widget that had it. `first` takes the focus in it.
void runModal(Fl_Window& window, Fl_Widget* first = nullptr);

// Routes every event of the program while a modal window is up; installed once at start.
int routeToModal(int event, Fl_Window* window);

}  // namespace torvexa::fltk
