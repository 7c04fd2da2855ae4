#pragma once

#include <FL/Fl_Button.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Input.H>

#include <string>
#include <vector>

namespace torvexa::fltk {

// An editable drop-down: a text field with an arrow whose list opens below the field, as wide
// as the field. The group calls back when an item is picked.
class EditableCombo : public Fl_Group {
    // The text field, keyed as Windows' editable drop-downs: Up and Down choose the item before
    // or after the one it shows, Alt+Down, Alt+Up and F4 open the list; other keys edit.
    class Field : public Fl_Input {
      public:
        using Fl_Input::Fl_Input;
        int handle(int event) override;
    };

  public:
    EditableCombo(int x, int y, int w, int h, double scale = 1);
    // Calls `entered` when the text field takes the keyboard's focus, `left` when it loses it.
    void whenEntered(void (*entered)(void*), void* data) {
        entered_ = entered;
        enteredData_ = data;
    }
    void whenLeft(void (*left)(void*), void* data) {
        left_ = left;
        leftData_ = data;
    }
    void items(const std::vector<std::string>& items);
    const std::vector<std::string>& shownItems() const { return shown_; }
    void textsize(int size);
    Fl_Input& input() { return input_; }
    // The item picked last (from 0).
    int picked() const { return picked_; }
    // Opens the list below the field; a pick calls back.
    void openList();

  private:
    // The item the field shows, -1 when its text is none of them.
    int shownItem() const;
    void choose(int item);

    Field input_;
    Fl_Button arrow_;
    std::vector<std::string> shown_;  // the items as the field and the list show them
    double scale_;
    int picked_ = -1;
    void (*entered_)(void*) = nullptr;
    void* enteredData_ = nullptr;
    void (*left_)(void*) = nullptr;
    void* leftData_ = nullptr;
};

}  // namespace torvexa::fltk
