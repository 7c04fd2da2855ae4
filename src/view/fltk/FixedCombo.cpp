#include "view/fltk/FixedCombo.h"

#include <FL/Fl.H>

#include "view/fltk/DropDownKeys.h"
#include "view/fltk/DropDownList.h"

namespace torvexa::fltk {

FixedCombo::FixedCombo(int x, int y, int w, int h, double scale)
    : Fl_Choice(x, y, w, h), scale_(scale) {}

void FixedCombo::items(const std::vector<std::string>& items, MenuTable::Convert convert) {
    if (table_.update(items, convert)) menu(table_.menu());
    shown_ = displayItems(items);
}

int FixedCombo::handle(int event) {
    if (event == FL_PUSH) {
        if (Fl::visible_focus()) take_focus();
        openList();
        return 1;
    }
    if (event != FL_KEYBOARD) return Fl_Choice::handle(event);
    if (opensList(true)) {
        openList();
        return 1;
    }
    if (const auto key = closedListKey()) {
        const int count = static_cast<int>(shown_.size());
        choose(movedItem(value(), count, *key, openListRows(count)));
        return 1;
    }
    return Fl_Choice::handle(event);
}

void FixedCombo::choose(int item) {
    if (item < 0 || item == value()) return;
    value(item);
    do_callback();
}

void FixedCombo::openList() {
    const auto chosen = openDropDownList(*this, {shown_, value(), textsize(), scale_});
    if (!chosen) return;
    value(*chosen);
    do_callback();  // the item already chosen, picked again, is a pick too
}

}  // namespace torvexa::fltk
