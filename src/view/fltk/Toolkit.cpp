#include "view/fltk/Toolkit.h"

#include <FL/Fl.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Widget.H>

#include "ui/Palette.h"
#include "ui/Scale.h"
#include "view/fltk/FltkVersion.h"
#include "view/fltk/Modal.h"

// Torvexa makes X calls of its own (the scale from the X resources, the modal rule, window
// hints): an FLTK that can draw on Wayland too must stay on X11 (Xwayland on a Wayland
// desktop). FLTK reads this switch from the program's exported symbols (the link exports it);
// an FLTK without Wayland ignores it.
FL_EXPORT bool fl_disable_wayland = true;

namespace torvexa::fltk {
namespace {

// Each face by a name both of FLTK's text back ends resolve: Xft takes the first letter as the
// style (' ' regular, 'B' bold, 'I' italic, 'P' both) and the first family of the list; Pango
// takes the words at the end as the style and the first family of the list it finds, which is
// the second.
constexpr const char* kRegular = " Liberation Sans";
constexpr const char* kBold = "BLiberation Sans,Liberation Sans Bold";
constexpr const char* kItalic = "ILiberation Sans,Liberation Sans Italic";
constexpr const char* kBoldItalic = "PLiberation Sans,Liberation Sans Bold Italic";

}  // namespace

void initialiseToolkit(double scale) {
    setOptionsWithoutPreferenceFiles();
    Fl::set_font(FL_HELVETICA, kRegular);
    Fl::set_font(FL_HELVETICA_BOLD, kBold);
    Fl::set_font(FL_HELVETICA_ITALIC, kItalic);
    Fl::set_font(FL_HELVETICA_BOLD_ITALIC, kBoldItalic);
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
