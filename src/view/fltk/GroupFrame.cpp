#include "view/fltk/GroupFrame.h"

#include "ui/Scale.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>

namespace torvexa::fltk {

GroupFrame::GroupFrame(int x, int y, int w, int h, double scale)
    : Fl_Group(x, y, w, h), scale_(scale) {
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
            // The caption stands on the frame's top edge with a gap each side.
            fl_rectf(x() + scaled(6, scale_), y(), tw + scaled(4, scale_), th);
            fl_color(labelcolor());
            fl_draw(label(), x() + scaled(8, scale_), y(), tw, th, FL_ALIGN_LEFT | FL_ALIGN_INSIDE,
                    nullptr, 1);
        }
    }
    draw_children();
}

}  // namespace torvexa::fltk
