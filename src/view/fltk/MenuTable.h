#pragma once

#include <FL/Fl_Menu_Item.H>

#include <string>
#include <string_view>
#include <vector>

namespace torvexa::fltk {

// A drop-down's items as a static FLTK menu table, so that no text is parsed for "/" or "_".
class MenuTable {
  public:
    using Convert = std::string (*)(std::string_view);
    // Takes the items; whether they differ from the ones held.
    bool update(const std::vector<std::string>& items, Convert convert);
    const Fl_Menu_Item* menu() const { return entries_.data(); }

  private:
    std::vector<std::string> source_;
    std::vector<std::string> labels_;
    std::vector<Fl_Menu_Item> entries_;
};

}  // namespace torvexa::fltk
