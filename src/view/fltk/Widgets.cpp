#include "view/fltk/Widgets.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>

namespace torvexa::fltk {

FlatButton::FlatButton(int x, int y, int w, int h) : Fl_Button(x, y, w, h) {
    box(FL_FLAT_BOX);
    down_box(FL_THIN_DOWN_BOX);
    visible_focus(0);
}

int FlatButton::handle(int event) {
    if (event == FL_ENTER || event == FL_LEAVE) {
        box(event == FL_ENTER && active_r() ? FL_THIN_UP_BOX : FL_FLAT_BOX);
        redraw();
        Fl_Button::handle(event);
        return 1;
    }
    return Fl_Button::handle(event);
}

GroupFrame::GroupFrame(int x, int y, int w, int h) : Fl_Group(x, y, w, h) {
    box(FL_NO_BOX);
    align(FL_ALIGN_TOP_LEFT | FL_ALIGN_INSIDE);
}

void GroupFrame::draw() {
    const int half = labelsize() / 2;
    if (damage() & ~FL_DAMAGE_CHILD) {
        fl_draw_box(FL_FLAT_BOX, x(), y(), w(), h(), color());
        fl_draw_box(FL_ENGRAVED_FRAME, x(), y() + half, w(), h() - half, color());
        if (label() && *label()) {
            fl_font(labelfont(), labelsize());
            int tw = 0;
            int th = 0;
            fl_measure(label(), tw, th, 1);
            fl_color(color());
            fl_rectf(x() + 6, y(), tw + 4, th);
            fl_color(labelcolor());
            fl_draw(label(), x() + 8, y(), tw, th, FL_ALIGN_LEFT | FL_ALIGN_INSIDE, nullptr, 1);
        }
    }
    draw_children();
}

TickSlider::TickSlider(int x, int y, int w, int h, int frequency)
    : Fl_Slider(x, y, w, h), frequency_(frequency > 0 ? frequency : 1) {
    type(FL_HOR_NICE_SLIDER);
    box(FL_FLAT_BOX);
    slider_size(0.06);
}

void TickSlider::draw() {
    const int tickArea = 8;
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
        fl_yxline(tx, y() + sliderHeight + 1, y() + sliderHeight + 4);
    }
}

RowBrowser::RowBrowser(int x, int y, int w, int h, int rowHeight)
    : Fl_Hold_Browser(x, y, w, h), rowHeight_(rowHeight) {
    has_scrollbar(Fl_Browser_::VERTICAL_ALWAYS);
}

int RowBrowser::item_height(void*) const { return rowHeight_; }

void RowBrowser::showFromRow(int top) {
    if (size() > 0) topline(top + 1);
}

int RowBrowser::firstShownRow() { return size() > 0 ? topline() - 1 : 0; }

}  // namespace torvexa::fltk
