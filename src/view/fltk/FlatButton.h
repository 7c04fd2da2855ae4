#pragma once

#include <FL/Fl_Button.H>

namespace torvexa::fltk {

// A flat button (the page buttons, the apply button, the preset dialog's two buttons): its look
// is FlatButtonLook's. It takes the keyboard's focus, shows it, and Space or Enter press it.
class FlatButton : public Fl_Button {
  public:
    FlatButton(int x, int y, int w, int h);
    int handle(int event) override;

  protected:
    void draw() override;

  private:
    bool hovered_ = false;
    bool keyboardFocus_ = false;  // the focus came by Tab, not by a click
};

}  // namespace torvexa::fltk
