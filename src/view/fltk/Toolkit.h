#pragma once

#include <FL/Enumerations.H>

#include "ui/Control.h"

class Fl_Widget;

// The FLTK side of the layout's looks: fonts, colours, and a control's state on its widget.
namespace torvexa::fltk {

// Sets FLTK's fonts, sizes and keyboard rules; call once before any widget exists.
void initialiseToolkit();

Fl_Color toFl(Colour colour);
Fl_Font toFl(const Font& font);

// The control's font, text colour and background on its widget.
void applyLook(Fl_Widget& widget, const Control& control);
// The control's visibility and whether it is enabled.
void applyState(Fl_Widget& widget, const Control& control);

}  // namespace torvexa::fltk
