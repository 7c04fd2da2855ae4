#pragma once

#include <FL/Fl_Round_Button.H>

#include <functional>

namespace torvexa::fltk {

// A radio button of the usual size, with a clear dot when chosen.
class RadioDot : public Fl_Round_Button {
  public:
    // `scale`: screen pixels for each of the layout's, for the dot and its ring.
    RadioDot(int x, int y, int w, int h, double scale = 1);
    // The arrow keys choose the next (+1) or previous (-1) radio button of the group, as
    // elsewhere: `arrowed` is told which way.
    void whenArrow(std::function<void(int step)> arrowed) { arrowed_ = std::move(arrowed); }
    int handle(int event) override;

  protected:
    void draw() override;

  private:
    std::function<void(int step)> arrowed_;
    double scale_;
};

}  // namespace torvexa::fltk
