#pragma once

#include <FL/Fl_Group.H>

namespace torvexa::fltk {

// A group box: an etched frame with its caption on the top edge.
class GroupFrame : public Fl_Group {
  public:
    GroupFrame(int x, int y, int w, int h, double scale = 1);

  protected:
    void draw() override;

  private:
    double scale_;
};

}  // namespace torvexa::fltk
