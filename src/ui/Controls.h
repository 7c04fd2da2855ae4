#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "common/Rows.h"
#include "ui/Control.h"
#include "ui/ControlVisitor.h"

namespace torvexa {

class Form;

using Handler = std::function<void()>;

// What a person may type into a one-line field. Whatever the field, no text may hold CR, LF or
// the end mark Ctrl-Z: a value is one line of the file, and each of them would move or end
// every later line.
enum class Typing { Text, Digits };
bool typeable(std::string_view text, Typing typing);

// A panel, a group box or a page: a control that holds others.
class Panel : public Control {
  public:
    Panel(Control* parent, std::string name, Rect bounds, Look look = {});
    void accept(ControlVisitor& visitor) override { visitor.visit(*this); }
};

class GroupBox : public Control {
  public:
    GroupBox(Control* parent, std::string name, Rect bounds, std::string caption);
    void accept(ControlVisitor& visitor) override { visitor.visit(*this); }
};

class Label : public Control {
  public:
    Label(Control* parent, std::string name, Rect bounds, std::string caption, Look look = {});
    void accept(ControlVisitor& visitor) override { visitor.visit(*this); }
};

// A 1-pixel line or filled rectangle.
class Shape : public Control {
  public:
    Shape(Control* parent, std::string name, Rect bounds);
    void accept(ControlVisitor& visitor) override { visitor.visit(*this); }
};

class CheckBox : public Control {
  public:
    CheckBox(Control* parent, std::string name, Rect bounds, std::string caption);
    void accept(ControlVisitor& visitor) override { visitor.visit(*this); }

    Handler OnClick;

    bool checked() const noexcept { return checked_; }
    // Runs OnClick only when the state changes.
    void setChecked(bool checked);
    // A person's click: toggles and runs OnClick.
    void click();

  private:
    bool checked_ = false;
};

// One of the radio buttons that share a parent; choosing one clears the others.
class RadioButton : public Control {
  public:
    RadioButton(Control* parent, std::string name, Rect bounds, std::string caption);
    void accept(ControlVisitor& visitor) override { visitor.visit(*this); }

    bool checked() const noexcept { return checked_; }
    void setChecked(bool checked);
    void click();

  private:
    bool checked_ = false;
};

// A push button.
class Button : public Control {
  public:
    Button(Control* parent, std::string name, Rect bounds, std::string caption, Look look = {});
    void accept(ControlVisitor& visitor) override { visitor.visit(*this); }

    Handler OnClick;
    void click();
};

// A flat button: no frame until the pointer is over it.
class SpeedButton : public Button {
  public:
    using Button::Button;
    void accept(ControlVisitor& visitor) override { visitor.visit(*this); }
};

class UpDown;

class Edit : public Control {
  public:
    enum class Lines { Single, Multi };
    Edit(Control* parent, std::string name, Rect bounds, std::string text, Look look = {},
         Lines lines = Lines::Single);
    void accept(ControlVisitor& visitor) override { visitor.visit(*this); }

    Handler OnChange;
    // The person came to the field, and left it: the focus came from, or went to, another
    // control.
    Handler OnEnter;
    Handler OnExit;

    Lines lines() const noexcept { return lines_; }
    const std::string& text() const noexcept { return text_; }
    // Runs OnChange only when the text changes.
    void setText(std::string text);
    // A person's typing: the whole new text. A one-line field refuses a text it does not take:
    // it keeps its text and tells its observer, so the view shows the kept text again.
    void type(std::string text);

    Typing typing() const noexcept { return typing_; }
    void setTyping(Typing typing) { typing_ = typing; }

    // The keys a one-line field gives a meaning beyond typing: Enter presses the button the
    // form names for it; Up and Down step the up-down attached to it.
    enum class Key { Enter, Up, Down };
    void setEnterPresses(Button& button) { enterPresses_ = &button; }
    // The up-down attached to the field, if any.
    const UpDown* upDown() const noexcept { return upDown_; }
    // A person's key; whether the field has a meaning for it (a view passes the others on).
    bool press(Key key);
    // A person comes to the field, and leaves it.
    void enter();
    void leave();

  private:
    friend class UpDown;  // attaches itself

    std::string text_;
    Lines lines_;
    Typing typing_ = Typing::Text;
    Button* enterPresses_ = nullptr;
    UpDown* upDown_ = nullptr;
};

// Up-down arrows attached to an edit field, which shows the position.
class UpDown : public Control {
  public:
    UpDown(Control* parent, std::string name, Rect bounds, Edit& associate, int min, int max,
           int position);
    void accept(ControlVisitor& visitor) override { visitor.visit(*this); }

    int min() const noexcept { return min_; }
    int max() const noexcept { return max_; }
    int position() const noexcept { return position_; }
    Edit& associate() const noexcept { return associate_; }

    // Clamps to the range; a changed position is written into the edit field as decimal text.
    void setPosition(int position);
    // A person's click on an arrow: one step from the number the edit field shows.
    void up();
    void down();

  private:
    void step(int delta);

    Edit& associate_;
    int min_;
    int max_;
    int position_;
};

class ComboBox : public Control {
  public:
    enum class Style { Editable, Fixed };
    ComboBox(Control* parent, std::string name, Rect bounds, Style style,
             std::vector<std::string> items);
    void accept(ControlVisitor& visitor) override { visitor.visit(*this); }

    Handler OnChange;
    // The person came to the field, and left it: the focus came from, or went to, another
    // control.
    Handler OnEnter;
    Handler OnExit;

    Style style() const noexcept { return style_; }
    const std::vector<std::string>& items() const noexcept { return items_; }
    const std::string& text() const noexcept { return text_; }
    int itemIndex() const noexcept { return itemIndex_; }

    // Program changes: never run OnChange.
    void setText(std::string text);
    // An index outside the items leaves no item selected.
    void setItemIndex(int index);
    // Replaces item k in place; a replaced item that was chosen is no longer chosen.
    void setItem(int k, std::string text);
    // Replaces every item; none is chosen then.
    void setItems(std::vector<std::string> items);

    // A person picks item i from the list.
    void pick(int i);
    // A person types into an editable list: the whole new text. A text the field does not
    // take is refused as in Edit::type.
    void type(std::string text);
    // A person comes to the field, and leaves it.
    void enter();
    void leave();

    Typing typing() const noexcept { return typing_; }
    void setTyping(Typing typing) { typing_ = typing; }

  private:
    int indexOf(const std::string& text) const;

    Style style_;
    Typing typing_ = Typing::Text;
    std::vector<std::string> items_;
    std::string text_;
    int itemIndex_ = -1;
};

class TrackBar : public Control {
  public:
    TrackBar(Control* parent, std::string name, Rect bounds, int min, int max, int frequency,
             int position);
    void accept(ControlVisitor& visitor) override { visitor.visit(*this); }

    Handler OnChange;

    int min() const noexcept { return min_; }
    int max() const noexcept { return max_; }
    int frequency() const noexcept { return frequency_; }
    int position() const noexcept { return position_; }

    // Clamps to the range; runs OnChange only when the position changes.
    void setPosition(int position);
    // A person's scroll notification: clamps, sets, and runs OnChange always.
    void scroll(int position);

  private:
    int clamp(int position) const;

    int min_;
    int max_;
    int frequency_;
    int position_;
};

// A list of rows; its items are a list owned elsewhere (it shows that list, it keeps no copy).
class ListBox : public Control {
  public:
    static constexpr int kRowHeight = 14;
    ListBox(Control* parent, std::string name, Rect bounds, Look look = {});
    void accept(ControlVisitor& visitor) override { visitor.visit(*this); }

    Handler OnClick;
    // A person scrolled the list: its top row changed.
    Handler OnScroll;

    // Shows another list of rows: nothing selected, scrolled to the top.
    void showItems(const Rows* items);
    const Rows& items() const;
    // The shown list has new rows: nothing selected, scrolled to the top.
    void rowsChanged();
    // Row `row` of the shown list has a new text.
    void rowChanged(int row);

    int itemIndex() const noexcept { return itemIndex_; }
    int topIndex() const noexcept { return topIndex_; }
    // Rows fully in view inside the 2-pixel frame.
    int visibleRows() const noexcept { return (bounds().height - 4) / kRowHeight; }
    // Whether the list shows a scroll bar of its own (lists that scroll together share one).
    bool scrollBar() const noexcept { return scrollBar_; }
    void setScrollBar(bool shown) { scrollBar_ = shown; }

    // Selects a row and scrolls by the least amount that brings it into view; no handler.
    void setItemIndex(int index);
    // A person selects a row (mouse or keyboard).
    void select(int index);
    // Scrolls so that row `topIndex` is the first in view (as far as the rows go); no handler.
    void setTopIndex(int topIndex);
    // A person scrolls the list: as the program, then OnScroll if the top row changed.
    void scrollTo(int topIndex);

  private:
    const Rows* items_ = nullptr;
    int itemIndex_ = -1;
    int topIndex_ = 0;
    bool scrollBar_ = true;
};

// The main menu and its items.
class MainMenu : public Control {
  public:
    MainMenu(Form* form, std::string name);
    void accept(ControlVisitor& visitor) override { visitor.visit(*this); }
};

class MenuItem : public Control {
  public:
    MenuItem(Control* parent, std::string name, std::string caption);
    void accept(ControlVisitor& visitor) override { visitor.visit(*this); }

    Handler OnClick;
    void click();
};

}  // namespace torvexa
