#pragma once

class Fl_Window;

namespace torvexa::fltk {

enum class TitleBar { NoButtons, SystemMenuAndClose };

// Tells the window manager which title-bar buttons a shown window has (Motif hints and the
// allowed actions); its border is fixed either way.
void setTitleBarButtons(Fl_Window& window, TitleBar buttons);

}  // namespace torvexa::fltk
