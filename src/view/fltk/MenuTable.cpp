#include "view/fltk/MenuTable.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>

namespace torvexa::fltk {

bool MenuTable::update(const std::vector<std::string>& items, Convert convert) {
    if (items == source_ && !entries_.empty()) return false;
    source_ = items;
    labels_.clear();
    for (const std::string& item : items)
        labels_.push_back(convert(item));
    entries_.assign(labels_.size() + 1, Fl_Menu_Item{});
    for (std::size_t i = 0; i < labels_.size(); ++i)
        entries_[i].label(labels_[i].c_str());
    return true;
}

}  // namespace torvexa::fltk
