#include "view/fltk/TickSlider.h"

#include "ui/Scale.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>

namespace torvexa::fltk {

TickSlider::TickSlider(int x, int y, int w, int h, int frequency, double scale)
    : Fl_Slider(x, y, w, h), frequency_(frequency > 0 ? frequency : 1), scale_(scale) {
    type(FL_HOR_NICE_SLIDER);
    box(FL_FLAT_BOX);
    slider_size(0.06);
}

void TickSlider::draw() {
    const int tickArea = scaled(8, scale_);
    const int sliderHeight = h() - tickArea;
    fl_draw_box(FL_FLAT_BOX, x(), y(), w(), h(), color());
    Fl_Slider::draw(x(), y(), w(), sliderHeight);
    if (Fl::focus() == this) draw_focus(FL_NO_BOX, x(), y(), w(), sliderHeight);

    // Ticks line up with the centre of the knob at each position.
    const double range = maximum() - minimum();
    const int knob = static_cast<int>(slider_size() * w() + 0.5);
    const int usable = w() - knob - Fl::box_dw(box());
    fl_color(active_r() ? FL_FOREGROUND_COLOR : fl_inactive(FL_FOREGROUND_COLOR));
    for (double v = minimum(); v <= maximum() + 1e-9; v += frequency_) {
        const double at = range > 0 ? (v - minimum()) / range : 0;
        const int tx = x() + Fl::box_dx(box()) + knob / 2 + static_cast<int>(at * usable + 0.5);
        fl_line_style(FL_SOLID, lineWidth(scale_));
        fl_yxline(tx, y() + sliderHeight + 1, y() + sliderHeight + scaled(4, scale_));
        fl_line_style(0);
    }
}

}  // namespace torvexa::fltk
