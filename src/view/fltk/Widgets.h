#pragma once

#include "common/Rows.h"

#include <FL/Fl_Box.H>
#include <FL/Fl_Browser_.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Menu_Bar.H>
#include <FL/Fl_Menu_Item.H>
#include <FL/Fl_Round_Button.H>
#include <FL/Fl_Slider.H>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The few widgets FLTK lacks in the form the windows need.
namespace torvexa::fltk {

// A label: its text starts at its left edge (FLTK would inset it by 3 pixels), and an
// underlined font is drawn as a line under the text, which FLTK fonts lack.
class LabelBox : public Fl_Box {
  public:
    LabelBox(int x, int y, int w, int h, bool underline);
    // Shows a path of this machine instead of a caption: as it stands, on as many lines as it
    // needs, broken after its separators.
    void path(std::string utf8);
    const std::string& path() const { return path_; }

  protected:
    void draw() override;

  private:
    bool underline_;
    std::string path_;
};

// A window whose menu bar opens from the keyboard, as menus do on the desktops: with F10, or
// with Alt pressed and let go alone. Arrows, Enter and Esc then work in the menu.
class FormWindow : public Fl_Double_Window {
  public:
    FormWindow(int x, int y, int w, int h) : Fl_Double_Window(x, y, w, h) {}
    void menuBar(Fl_Menu_Bar* bar) { menuBar_ = bar; }
    int handle(int event) override;
    // Opens the first menu of the bar, as F10 does.
    void openMenu();

  private:
    Fl_Menu_Bar* menuBar_ = nullptr;
    bool altAlone_ = false;  // Alt is down and no other key came since
};

// A flat button: no frame until the pointer is over it; disabled, only its greyed caption on
// the colour behind it. It takes the keyboard's focus, shows it, and Space or Enter press it.
class FlatButton : public Fl_Button {
  public:
    FlatButton(int x, int y, int w, int h);
    int handle(int event) override;

  protected:
    void draw() override;

  private:
    bool hovered_ = false;
    bool keyboardFocus_ = false;  // the focus came by Tab, not by a click
};

// A radio button of the usual size, with a clear dot when chosen.
class RadioDot : public Fl_Round_Button {
  public:
    RadioDot(int x, int y, int w, int h);
    // The arrow keys choose the next or previous radio button of the group, as elsewhere.
    int handle(int event) override;

  protected:
    void draw() override;
};

// A group box: an etched frame with its caption on the top edge.
class GroupFrame : public Fl_Group {
  public:
    GroupFrame(int x, int y, int w, int h);

  protected:
    void draw() override;
};

// The up and down arrows of an up-down control.
class UpDownArrows : public Fl_Group {
  public:
    UpDownArrows(int x, int y, int w, int h);
    Fl_Button& up() { return up_; }
    Fl_Button& down() { return down_; }

  private:
    Fl_Button up_;
    Fl_Button down_;
};

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

// A fixed drop-down list.
class FixedCombo : public Fl_Choice {
  public:
    FixedCombo(int x, int y, int w, int h);
    void items(const std::vector<std::string>& items, MenuTable::Convert convert);

  private:
    MenuTable table_;
};

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
    EditableCombo(int x, int y, int w, int h);
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

// A horizontal slider with tick marks below it.
class TickSlider : public Fl_Slider {
  public:
    TickSlider(int x, int y, int w, int h, int frequency);

  protected:
    void draw() override;

  private:
    int frequency_;
};

// A list with rows of a fixed height, held in an array, so that changing one row costs the
// same however many there are.
class RowBrowser : public Fl_Browser_ {
  public:
    RowBrowser(int x, int y, int w, int h, int rowHeight);
    // Calls `scrolled` when a person scrolls the rows (scroll bar or wheel); the list is then
    // at a whole row, firstShownRow().
    void whenScrolled(void (*scrolled)(void*), void* data) {
        scrolled_ = scrolled;
        scrolledData_ = data;
    }

    int size() const { return static_cast<int>(rows_.size()); }
    // Rows are numbered from 1, as in FLTK's browsers.
    const char* text(int row) const { return rows_[static_cast<std::size_t>(row - 1)].c_str(); }
    void clear();
    // What showing a list asks of it (rows from 0): program text, shown as it stands.
    void replaceAll(const Rows& rows);
    void replaceRow(int row, std::string_view text);
    void scrollTo(int topRow) { showFromRow(topRow); }
    void select(int row) { value(row + 1); }
    // The selected row (from 1), 0 for none.
    int value() const { return selected_; }
    void value(int row);
    void textfont(Fl_Font font) { font_ = font; }
    void textsize(int size) { size_ = size; }

    // Scrolls so that row `top` (0-based) is the first one shown.
    void showFromRow(int top);
    int firstShownRow() const;
    // The last row that can be the first shown: the rows end at the list's foot, every row
    // whole, as in the lists beside it.
    int lastTopRow() const;

  protected:
    void draw() override;
    int handle(int event) override;
    void* item_first() const override;
    void* item_next(void* item) const override;
    void* item_prev(void* item) const override;
    void* item_last() const override;
    int item_height(void* item) const override;
    int item_quick_height(void* item) const override;
    int item_width(void* item) const override;
    void item_draw(void* item, int x, int y, int w, int h) const override;
    const char* item_text(void* item) const override;
    void item_select(void* item, int selected) override;
    int item_selected(void* item) const override;
    int full_height() const override;
    int incr_height() const override;

  private:
    static void* itemOf(int row) {
        return reinterpret_cast<void*>(static_cast<std::intptr_t>(row));
    }
    static int rowOf(void* item) { return static_cast<int>(reinterpret_cast<std::intptr_t>(item)); }
    static void scrollBarMoved(Fl_Widget* bar, void*);
    int innerHeight() const;

    std::vector<std::string> rows_;
    void (*scrolled_)(void*) = nullptr;
    void* scrolledData_ = nullptr;
    int rowHeight_;
    int selected_ = 0;
    Fl_Font font_ = FL_HELVETICA;
    int size_ = 11;
};

}  // namespace torvexa::fltk
