#pragma once

#include <FL/Fl_Input.H>

#include <functional>

#include "ui/Controls.h"

namespace torvexa::fltk {

// A one-line edit field whose Enter, Up and Down go to its control first (Edit::press): a key
// the control has no meaning for is the field's, or its window's, as before. It tells its
// control when the focus comes to it and when it leaves.
class FieldInput : public Fl_Input {
  public:
    using Fl_Input::Fl_Input;
    // `press` gives a key to the control and tells whether it took it.
    void whenKey(std::function<bool(Edit::Key)> press) { press_ = std::move(press); }
    void whenEntered(std::function<void()> entered) { entered_ = std::move(entered); }
    void whenLeft(std::function<void()> left) { left_ = std::move(left); }
    int handle(int event) override;

  private:
    std::function<bool(Edit::Key)> press_;
    std::function<void()> entered_;
    std::function<void()> left_;
};

}  // namespace torvexa::fltk
