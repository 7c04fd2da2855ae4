#include "view/fltk/RadioDot.h"

#include "ui/Scale.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>

namespace torvexa::fltk {

RadioDot::RadioDot(int x, int y, int w, int h, double scale)
    : Fl_Round_Button(x, y, w, h), scale_(scale) {
    type(FL_RADIO_BUTTON);
}

int RadioDot::handle(int event) {
    if (event != FL_KEYBOARD || !arrowed_) return Fl_Round_Button::handle(event);
    const int key = Fl::event_key();
    const int step = key == FL_Down || key == FL_Right ? 1
                     : key == FL_Up || key == FL_Left  ? -1
                                                       : 0;
    if (step == 0) return Fl_Round_Button::handle(event);
    arrowed_(step);  // at the end of the group the focus stays
    return 1;
}

void RadioDot::draw() {
    const int kDiameter = scaled(13, scale_);
    const int kDot = scaled(5, scale_) | 1;  // odd, so that it sits in the ring's middle
    const int left = x() + 1;
    const int top = y() + (h() - kDiameter) / 2;
    fl_color(active_r() ? FL_WHITE : color());
    fl_pie(left, top, kDiameter, kDiameter, 0, 360);
    fl_color(active_r() ? fl_rgb_color(96, 96, 96) : fl_inactive(fl_rgb_color(96, 96, 96)));
    fl_line_style(FL_SOLID, lineWidth(scale_));
    fl_arc(left, top, kDiameter, kDiameter, 0, 360);
    fl_line_style(0);
    if (value()) {
        const int inset = (kDiameter - kDot) / 2;
        fl_color(active_r() ? FL_BLACK : fl_inactive(FL_BLACK));
        fl_pie(left + inset, top + inset, kDot, kDot, 0, 360);
    }
    const int gap = scaled(4, scale_);
    draw_label(left + kDiameter + gap, y(), w() - kDiameter - gap - 1, h());
    if (Fl::focus() == this) draw_focus();
}

}  // namespace torvexa::fltk
