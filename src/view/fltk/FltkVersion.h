#pragma once

// Where FLTK 1.3 (Debian's) and FLTK 1.4 (Arch's, and a build from source) differ: the one
// place that asks which it is built with (FL_API_VERSION). The widgets call these.

struct _XDisplay;
class Fl_Browser_;
class Fl_Input_;

namespace torvexa::fltk {

// FLTK's options as Torvexa sets them, never read from nor written to preference files (FLTK
// writes ~/.fltk/fltk.org/fltk.prefs, and /etc/fltk/... when it may, when they are missing).
// FLTK 1.4 can be told not to touch the files (Fl_Preferences::file_access) and takes the
// options by Fl::option; FLTK 1.3 reads them on first use whatever it is told, so there its
// private storage is filled and marked read.
void setOptionsWithoutPreferenceFiles();

// One scale: the layout's, Xft.dpi / 96, which the view applies itself. FLTK 1.4 would scale
// every window again by its own factor for the screen (from the same Xft.dpi) and let Ctrl+'+'
// and Ctrl+'-' change it; here its factor stays 1 and its zoom keys do nothing. FLTK 1.3 has
// neither.
void keepOneScale();
// FLTK's own factor for the window's screen, on top of the view's scale (FLTK 1.3: none, 1).
float toolkitScale(int screen);

// Hands FLTK the X display the program opened itself (FLTK 1.3: fl_open_display(Display*);
// FLTK 1.4: fl_x11_use_display).
void useDisplay(_XDisplay* display);
// Opens FLTK's own display.
void openDisplay();
// Whether FLTK draws on X11 (an FLTK that can draw on Wayland too might not).
bool toolkitOnX11();

// A browser's vertical scroll position in pixels (FLTK 1.4 renamed position() vposition()).
int verticalPosition(const Fl_Browser_& browser);
void setVerticalPosition(Fl_Browser_& browser, int pixels);

// An input's cursor (FLTK 1.4 renamed position() insert_position()).
int cursorOf(const Fl_Input_& input);
// Marks the text of an input from `mark` to `cursor` (FLTK 1.4: insert_position(p, m)).
void markText(Fl_Input_& input, int cursor, int mark);

}  // namespace torvexa::fltk
