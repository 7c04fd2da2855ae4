#pragma once

#include <FL/Fl_Button.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Input.H>

#include <string>
#include <vector>

#include "view/fltk/MenuTable.h"

namespace torvexa::fltk {

// An editable drop-down: a text field with an arrow whose list opens below the field, as wide
// as the field. The group calls back when an item is picked.
class EditableCombo : public Fl_Group {
    // The text field: Down (or Alt+Down, F4) opens the list, as in a drop-down elsewhere.
    class Field : public Fl_Input {
      public:
        using Fl_Input::Fl_Input;
        int handle(int event) override;
    };

  public:
    EditableCombo(int x, int y, int w, int h, double scale = 1);
    // Calls `left` when the text field loses the keyboard's focus.
    void whenLeft(void (*left)(void*), void* data) {
        left_ = left;
        leftData_ = data;
    }
    void items(const std::vector<std::string>& items, MenuTable::Convert convert);
    const Fl_Menu_Item* menu() const { return table_.menu(); }
    void textsize(int size);
    Fl_Input& input() { return input_; }
    // The item picked last (from 0).
    int picked() const { return picked_; }
    // Opens the list below the field; a pick calls back.
    void openList();

  private:
    Field input_;
    Fl_Button arrow_;
    MenuTable table_;
    int picked_ = -1;
    void (*left_)(void*) = nullptr;
    void* leftData_ = nullptr;
};

}  // namespace torvexa::fltk
