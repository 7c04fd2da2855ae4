#include "view/fltk/EditableCombo.h"

#include <algorithm>

#include "ui/Scale.h"
#include "view/fltk/DropDownKeys.h"
#include "view/fltk/DropDownList.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>

namespace torvexa::fltk {

namespace {
constexpr int kArrowWidth = 17;  // in layout pixels
}

EditableCombo::EditableCombo(int x, int y, int w, int h, double scale)
    : Fl_Group(x, y, w, h),
      input_(x, y, w - scaled(kArrowWidth, scale), h),
      arrow_(x + w - scaled(kArrowWidth, scale), y, scaled(kArrowWidth, scale), h, "@-22>"),
      scale_(scale) {
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

void EditableCombo::items(const std::vector<std::string>& items) { shown_ = displayItems(items); }

void EditableCombo::textsize(int size) { input_.textsize(size); }

int EditableCombo::Field::handle(int event) {
    auto* combo = static_cast<EditableCombo*>(parent());
    if (event == FL_FOCUS || event == FL_UNFOCUS) {
        const int handled = Fl_Input::handle(event);
        if (event == FL_FOCUS && handled && combo->entered_) combo->entered_(combo->enteredData_);
        if (event == FL_UNFOCUS && combo->left_) combo->left_(combo->leftData_);
        return handled;
    }
    if (event != FL_KEYBOARD) return Fl_Input::handle(event);
    if (opensList(false)) {
        combo->openList();
        return 1;
    }
    const auto key = closedListKey();
    if (key == ListKey::Up || key == ListKey::Down) {
        const int count = static_cast<int>(combo->shown_.size());
        combo->choose(movedItem(combo->shownItem(), count, *key, openListRows(count)));
        return 1;
    }
    return Fl_Input::handle(event);
}

int EditableCombo::shownItem() const {
    const auto it = std::find(shown_.begin(), shown_.end(), input_.value());
    return it == shown_.end() ? -1 : static_cast<int>(it - shown_.begin());
}

void EditableCombo::choose(int item) {
    if (item < 0 || item == shownItem()) return;
    picked_ = item;
    do_callback();
}

void EditableCombo::openList() {
    // The field gets the keyboard back when the list closes, as it has it in every desktop.
    input_.take_focus();
    const auto chosen = openDropDownList(*this, {shown_, shownItem(), input_.textsize(), scale_});
    if (!chosen) return;
    picked_ = *chosen;
    do_callback();  // the item already shown, picked again, is a pick too
}

}  // namespace torvexa::fltk
