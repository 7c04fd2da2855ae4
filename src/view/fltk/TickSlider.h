#pragma once

#include <FL/Fl_Slider.H>

namespace torvexa::fltk {

// A horizontal slider with tick marks below it.
class TickSlider : public Fl_Slider {
  public:
    TickSlider(int x, int y, int w, int h, int frequency, double scale = 1);

  protected:
    void draw() override;

  private:
    int frequency_;
    double scale_;
};

}  // namespace torvexa::fltk
