#include "view/fltk/EditableCombo.h"

#include "ui/Scale.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>

namespace torvexa::fltk {

namespace {
constexpr int kArrowWidth = 17;  // in layout pixels
}

EditableCombo::EditableCombo(int x, int y, int w, int h, double scale)
    : Fl_Group(x, y, w, h),
      input_(x, y, w - scaled(kArrowWidth, scale), h),
      arrow_(x + w - scaled(kArrowWidth, scale), y, scaled(kArrowWidth, scale), h, "@-22>") {
    input_.when(FL_WHEN_CHANGED);
    arrow_.labelsize(scaled(7, scale));
    arrow_.visible_focus(0);
    arrow_.color(fl_rgb_color(240, 240, 240));
    arrow_.callback([](Fl_Widget* arrow, void*) {
        auto* button = static_cast<Fl_Button*>(arrow);
        if (!button->value()) return;  // the release of the press that opened the list
        button->value(0);
        static_cast<EditableCombo*>(arrow->parent())->openList();
    });
    arrow_.when(FL_WHEN_CHANGED);  // opens on the press, as a drop-down does
    end();
}

void EditableCombo::items(const std::vector<std::string>& items, MenuTable::Convert convert) {
    table_.update(items, convert);
}

void EditableCombo::textsize(int size) { input_.textsize(size); }

int EditableCombo::Field::handle(int event) {
    auto* combo = static_cast<EditableCombo*>(parent());
    if (event == FL_UNFOCUS && combo->left_) {
        const int handled = Fl_Input::handle(event);
        combo->left_(combo->leftData_);
        return handled;
    }
    const int key = Fl::event_key();
    if (event == FL_KEYBOARD && (key == FL_Down || key == FL_F + 4)) {
        static_cast<EditableCombo*>(parent())->openList();
        return 1;
    }
    return Fl_Input::handle(event);
}

void EditableCombo::openList() {
    const Fl_Menu_Item* menu = table_.menu();
    if (!menu || !menu->label()) return;
    const Fl_Menu_Item* chosen = menu->pulldown(x(), y(), w(), h(), nullptr, nullptr);
    if (!chosen) return;
    picked_ = static_cast<int>(chosen - menu);
    do_callback();
}

}  // namespace torvexa::fltk
