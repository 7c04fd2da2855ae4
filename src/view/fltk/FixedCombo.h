#pragma once

#include <FL/Fl_Choice.H>

#include <string>
#include <vector>

#include "view/fltk/MenuTable.h"

namespace torvexa::fltk {

// A fixed drop-down list.
class FixedCombo : public Fl_Choice {
  public:
    FixedCombo(int x, int y, int w, int h);
    void items(const std::vector<std::string>& items, MenuTable::Convert convert);

  private:
    MenuTable table_;
};

}  // namespace torvexa::fltk
