#include "view/fltk/Toolkit.h"

#include <FL/Fl.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Widget.H>

#include "ui/Palette.h"
#include "ui/Scale.h"
#include "view/fltk/FltkVersion.h"
#include "view/fltk/Modal.h"

namespace torvexa::fltk {

void initialiseToolkit(double scale) {
    setOptionsWithoutPreferenceFiles();
    Fl::set_font(FL_HELVETICA, " Liberation Sans");
    Fl::set_font(FL_HELVETICA_BOLD, "BLiberation Sans");
    Fl::set_font(FL_HELVETICA_ITALIC, "ILiberation Sans");
    Fl::set_font(FL_HELVETICA_BOLD_ITALIC, "PLiberation Sans");
    FL_NORMAL_SIZE = scaledFont(11, scale);
    Fl::scheme("none");  // first: loading a scheme sets the scroll bars' width back to 16
    Fl::scrollbar_size(scaled(16, scale));
    Fl::visible_focus(1);
    Fl::event_dispatch(routeToModal);
    keepOneScale();
}

Fl_Color toFl(Colour colour) {
    const Rgb rgb = rgbOf(colour);
    return fl_rgb_color(rgb.red, rgb.green, rgb.blue);
}

Fl_Font toFl(const Font& font) {
    // Both typefaces are drawn with the Arial-metric Liberation Sans.
    if (font.bold && font.italic) return FL_HELVETICA_BOLD_ITALIC;
    if (font.bold) return FL_HELVETICA_BOLD;
    if (font.italic) return FL_HELVETICA_ITALIC;
    return FL_HELVETICA;
}

void applyLook(Fl_Widget& widget, const Control& control, double scale) {
    widget.labelfont(toFl(control.font()));
    widget.labelsize(scaledFont(control.font().height, scale));
    widget.labelcolor(toFl(control.look().textColour));
    widget.color(toFl(textBackgroundOf(control)));
}

void scaleLayout(Fl_Group& window, double scale) {
    for (int i = 0; i < window.children(); ++i) {
        Fl_Widget& child = *window.child(i);
        const Rect r = scaledRect({child.x(), child.y(), child.w(), child.h()}, scale);
        child.resize(r.left, r.top, r.width, r.height);
    }
    window.size(scaled(window.w(), scale), scaled(window.h(), scale));
}

void applyState(Fl_Widget& widget, const Control& control) {
    if (control.visible())
        widget.show();
    else
        widget.hide();
    if (control.enabled())
        widget.activate();
    else
        widget.deactivate();
}

}  // namespace torvexa::fltk
