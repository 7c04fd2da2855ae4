#include "view/fltk/FlatButton.h"

#include <FL/Fl.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>

#include "ui/FlatButtonLook.h"

namespace torvexa::fltk {
namespace {

ButtonKey buttonKey(int key) {
    if (key == ' ') return ButtonKey::Space;
    return key == FL_Enter || key == FL_KP_Enter ? ButtonKey::Enter : ButtonKey::Other;
}

}  // namespace

FlatButton::FlatButton(int x, int y, int w, int h) : Fl_Button(x, y, w, h) {
    box(FL_FLAT_BOX);
    down_box(FL_THIN_DOWN_BOX);
}

int FlatButton::handle(int event) {
    switch (event) {
        case FL_KEYBOARD:
            if (Fl::focus() == this && pressesButton(buttonKey(Fl::event_key()))) {
                do_callback();
                return 1;
            }
            break;
        case FL_FOCUS:
            // The mark shows a focus the keyboard brought (or gave back), not one a click on
            // this button left behind.
            keyboardFocus_ = Fl::event() != FL_PUSH || !Fl::event_inside(this);
            redraw();
            return active_r() && visible_r() ? 1 : 0;
        case FL_UNFOCUS:
            keyboardFocus_ = false;
            redraw();
            return 1;
        case FL_ENTER:
            hovered_ = true;
            redraw();
            Fl_Button::handle(event);
            return 1;
        case FL_LEAVE:
        case FL_HIDE:
        case FL_DEACTIVATE:
            hovered_ = false;
            redraw();
            break;
        case FL_RELEASE: {
            const int handled = Fl_Button::handle(event);
            // The click may have opened a window: the frame follows the pointer, not the click.
            int px = 0;
            int py = 0;
            Fl::get_mouse(px, py);
            const Fl_Window* top = window();
            hovered_ = top && Fl::first_window() == top && px >= top->x_root() + x() &&
                       px < top->x_root() + x() + w() && py >= top->y_root() + y() &&
                       py < top->y_root() + y() + h();
            redraw();
            return handled;
        }
        default:
            break;
    }
    return Fl_Button::handle(event);
}

void FlatButton::draw() {
    // Fl_Button's value is set while the mouse button is down on it and the pointer over it.
    const FlatFrame look =
        flatFrameOf({.enabled = active_r() != 0, .hovered = hovered_, .pressed = value() != 0});
    const Fl_Boxtype frame = look == FlatFrame::Sunken   ? down_box()
                             : look == FlatFrame::Raised ? FL_THIN_UP_BOX
                                                         : FL_FLAT_BOX;
    // Never greyed: a disabled flat button is its greyed caption on the colour behind it.
    fl_draw_box(frame, x(), y(), w(), h(), color());
    draw_label();
    if (Fl::focus() == this && keyboardFocus_) draw_focus();
}

}  // namespace torvexa::fltk
