#pragma once

#include <FL/Fl_Button.H>
#include <FL/Fl_Group.H>

namespace torvexa::fltk {

// The up and down arrows of an up-down control.
class UpDownArrows : public Fl_Group {
  public:
    UpDownArrows(int x, int y, int w, int h, double scale = 1);
    Fl_Button& up() { return up_; }
    Fl_Button& down() { return down_; }

  private:
    Fl_Button up_;
    Fl_Button down_;
};

}  // namespace torvexa::fltk
