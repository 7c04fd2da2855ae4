#include "view/fltk/FixedCombo.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>

namespace torvexa::fltk {

FixedCombo::FixedCombo(int x, int y, int w, int h) : Fl_Choice(x, y, w, h) {}

void FixedCombo::items(const std::vector<std::string>& items, MenuTable::Convert convert) {
    if (table_.update(items, convert)) menu(table_.menu());
}

}  // namespace torvexa::fltk
