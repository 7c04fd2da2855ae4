#pragma once

#include <FL/Enumerations.H>

#include "ui/Control.h"

class Fl_Group;
class Fl_Widget;

// The FLTK side of the layout's looks: fonts, colours, and a control's state on its widget.
namespace torvexa::fltk {

// Sets FLTK's fonts, sizes (at `scale` screen pixels for each layout pixel) and keyboard rules;
// call once before any widget exists.
void initialiseToolkit(double scale = 1);

Fl_Color toFl(Colour colour);
Fl_Font toFl(const Font& font);

// The control's font (at `scale`), text colour and background on its widget.
void applyLook(Fl_Widget& widget, const Control& control, double scale);
// A window laid out in layout pixels, and its widgets, drawn at `scale`: each edge scaled.
void scaleLayout(Fl_Group& window, double scale);

// The control's visibility and whether it is enabled.
void applyState(Fl_Widget& widget, const Control& control);

}  // namespace torvexa::fltk
