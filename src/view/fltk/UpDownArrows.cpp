#include "view/fltk/UpDownArrows.h"

#include <initializer_list>

#include "ui/Scale.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>

namespace torvexa::fltk {

UpDownArrows::UpDownArrows(int x, int y, int w, int h, double scale)
    : Fl_Group(x, y, w, h),
      up_(x, y, w, h / 2, "@-38>"),
      down_(x, y + h / 2, w, h - h / 2, "@-32>") {
    for (Fl_Button* arrow : {&up_, &down_}) {
        arrow->labelsize(scaled(6, scale));
        arrow->visible_focus(0);
        arrow->color(fl_rgb_color(240, 240, 240));
    }
    end();
}

}  // namespace torvexa::fltk
