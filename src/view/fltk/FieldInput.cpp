#include "view/fltk/FieldInput.h"

#include <FL/Fl.H>

#include <optional>

namespace torvexa::fltk {
namespace {

std::optional<Edit::Key> fieldKeyOf(int key) {
    if (Fl::event_state(FL_ALT | FL_CTRL | FL_META | FL_SHIFT)) return std::nullopt;
    switch (key) {
        case FL_Enter:
        case FL_KP_Enter:
            return Edit::Key::Enter;
        case FL_Up:
            return Edit::Key::Up;
        case FL_Down:
            return Edit::Key::Down;
        default:
            return std::nullopt;
    }
}

}  // namespace

int FieldInput::handle(int event) {
    if (event == FL_KEYBOARD && press_) {
        if (const auto key = fieldKeyOf(Fl::event_key()); key && press_(*key)) return 1;
    }
    const int handled = Fl_Input::handle(event);
    if (event == FL_FOCUS && handled && entered_) entered_();
    if (event == FL_UNFOCUS && left_) left_();
    return handled;
}

}  // namespace torvexa::fltk
