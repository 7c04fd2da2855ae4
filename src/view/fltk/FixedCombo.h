#pragma once

#include <FL/Fl_Choice.H>

#include <string>
#include <vector>

#include "view/fltk/MenuTable.h"

namespace torvexa::fltk {

// A fixed drop-down list, keyed as Windows' drop-down lists: closed, the arrows, PageUp,
// PageDown, Home and End choose another item (each a person's pick); Alt+Down, Alt+Up, F4, Space
// and a click open its list (DropDownList.h).
class FixedCombo : public Fl_Choice {
  public:
    FixedCombo(int x, int y, int w, int h, double scale);
    void items(const std::vector<std::string>& items, MenuTable::Convert convert);
    int handle(int event) override;
    const std::vector<std::string>& shownItems() const { return shown_; }

  private:
    // Makes `item` the choice and calls back, as a pick from the list does.
    void choose(int item);
    void openList();

    MenuTable table_;
    std::vector<std::string> shown_;  // the items as the list shows them
    double scale_;
};

}  // namespace torvexa::fltk
