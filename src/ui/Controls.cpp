#include "ui/Controls.h"

#include <algorithm>

#include "common/Integer.h"
#include "ui/Form.h"
#include "ui/RadioGroups.h"

namespace torvexa {

bool typeable(std::string_view text, Typing typing) {
    const auto breaksALine = [](char c) { return c == '\r' || c == '\n' || c == '\x1A'; };
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    if (typing == Typing::Digits) return std::all_of(text.begin(), text.end(), isDigit);
    return std::none_of(text.begin(), text.end(), breaksALine);
}

Panel::Panel(Control* parent, std::string name, Rect bounds, Look look)
    : Control(parent, std::move(name), bounds, std::move(look)) {}

GroupBox::GroupBox(Control* parent, std::string name, Rect bounds, std::string caption)
    : Control(parent, std::move(name), bounds) {
    setCaption(std::move(caption));
}

Label::Label(Control* parent, std::string name, Rect bounds, std::string caption, Look look)
    : Control(parent, std::move(name), bounds, std::move(look)) {
    setCaption(std::move(caption));
}

Shape::Shape(Control* parent, std::string name, Rect bounds)
    : Control(parent, std::move(name), bounds, Look{.colour = Colour::WindowText}) {}

CheckBox::CheckBox(Control* parent, std::string name, Rect bounds, std::string caption)
    : Control(parent, std::move(name), bounds) {
    setCaption(std::move(caption));
}

void CheckBox::setChecked(bool checked) {
    if (checked_ == checked) return;
    checked_ = checked;
    notify();
    run(OnClick);
}

void CheckBox::click() {
    if (reachable()) setChecked(!checked_);
}

RadioButton::RadioButton(Control* parent, std::string name, Rect bounds, std::string caption)
    : Control(parent, std::move(name), bounds) {
    setCaption(std::move(caption));
}

void RadioButton::setChecked(bool checked) {
    if (checked_ == checked) return;
    checked_ = checked;
    notify();
    if (!checked) return;
    for (RadioButton* other : radioGroupOf(*this))
        if (other != this) other->setChecked(false);
}

void RadioButton::click() {
    if (reachable()) setChecked(true);
}

Button::Button(Control* parent, std::string name, Rect bounds, std::string caption, Look look)
    : Control(parent, std::move(name), bounds, std::move(look)) {
    setCaption(std::move(caption));
}

void Button::click() {
    if (reachable()) run(OnClick);
}

Edit::Edit(Control* parent, std::string name, Rect bounds, std::string text, Look look, Lines lines)
    : Control(parent, std::move(name), bounds, std::move(look)),
      text_(std::move(text)),
      lines_(lines) {}

void Edit::setText(std::string text) {
    if (text_ == text) return;
    text_ = std::move(text);
    notify();
    run(OnChange);
}

void Edit::type(std::string text) {
    if (!reachable()) return;
    if (lines_ == Lines::Single && !typeable(text, typing_)) {
        notify();  // the widget shows what it holds again
        return;
    }
    setText(std::move(text));
}

bool Edit::press(Key key) {
    if (!reachable() || lines_ != Lines::Single) return false;
    if (key == Key::Enter) {
        if (!enterPresses_) return false;
        enterPresses_->click();
        return true;
    }
    if (!upDown_) return false;
    key == Key::Up ? upDown_->up() : upDown_->down();
    return true;
}

void Edit::enter() {
    if (reachable()) run(OnEnter);
}

void Edit::leave() {
    if (reachable()) run(OnExit);
}

UpDown::UpDown(Control* parent, std::string name, Rect bounds, Edit& associate, int min, int max,
               int position)
    : Control(parent, std::move(name), bounds),
      associate_(associate),
      min_(min),
      max_(max),
      position_(position) {
    associate_.upDown_ = this;
}

void UpDown::setPosition(int position) {
    position = std::clamp(position, min_, max_);
    if (position_ == position) return;
    position_ = position;
    notify();
    associate_.setText(integerText(position_));
}

void UpDown::step(int delta) {
    if (!reachable()) return;
    const int from = parseInteger(associate_.text()).value_or(position_);
    setPosition(
        static_cast<int>(std::clamp<long long>(static_cast<long long>(from) + delta, min_, max_)));
}

void UpDown::up() { step(+1); }
void UpDown::down() { step(-1); }

ComboBox::ComboBox(Control* parent, std::string name, Rect bounds, Style style,
                   std::vector<std::string> items)
    : Control(parent, std::move(name), bounds), style_(style), items_(std::move(items)) {}

int ComboBox::indexOf(const std::string& text) const {
    const auto it = std::find(items_.begin(), items_.end(), text);
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

void ComboBox::setText(std::string text) {
    const int index = indexOf(text);
    if (index == itemIndex_ && text == text_) return;
    itemIndex_ = index;
    text_ = std::move(text);
    notify();
}

void ComboBox::setItemIndex(int index) {
    const bool inside = index >= 0 && index < static_cast<int>(items_.size());
    const int newIndex = inside ? index : -1;
    std::string newText = inside ? items_[static_cast<std::size_t>(index)] : std::string();
    if (newIndex == itemIndex_ && newText == text_) return;
    itemIndex_ = newIndex;
    text_ = std::move(newText);
    notify();
}

void ComboBox::setItem(int k, std::string text) {
    if (k < 0 || k >= static_cast<int>(items_.size())) return;
    items_[static_cast<std::size_t>(k)] = std::move(text);
    if (itemIndex_ == k) {
        itemIndex_ = -1;
        if (style_ == Style::Fixed) text_.clear();
    }
    notify({.what = Change::What::Rows});  // the views rebuild their items only then
}

void ComboBox::setItems(std::vector<std::string> items) {
    items_ = std::move(items);
    itemIndex_ = -1;
    if (style_ == Style::Fixed) text_.clear();
    notify({.what = Change::What::Rows});
}

void ComboBox::pick(int i) {
    if (!reachable() || i < 0 || i >= static_cast<int>(items_.size())) return;
    itemIndex_ = i;
    text_ = items_[static_cast<std::size_t>(i)];
    notify();
    run(OnChange);
}

void ComboBox::type(std::string text) {
    if (!reachable() || style_ != Style::Editable || text == text_) return;
    if (!typeable(text, typing_)) {
        notify();  // the widget shows what it holds again
        return;
    }
    setText(std::move(text));
    run(OnChange);
}

void ComboBox::enter() {
    if (reachable()) run(OnEnter);
}

void ComboBox::leave() {
    if (reachable()) run(OnExit);
}

TrackBar::TrackBar(Control* parent, std::string name, Rect bounds, int min, int max, int frequency,
                   int position)
    : Control(parent, std::move(name), bounds),
      min_(min),
      max_(max),
      frequency_(frequency),
      position_(position) {}

int TrackBar::clamp(int position) const { return std::clamp(position, min_, max_); }

void TrackBar::setPosition(int position) {
    position = clamp(position);
    if (position_ == position) return;
    position_ = position;
    notify();
    run(OnChange);
}

void TrackBar::scroll(int position) {
    if (!reachable()) return;
    position_ = clamp(position);
    notify();
    run(OnChange);
}

ListBox::ListBox(Control* parent, std::string name, Rect bounds, Look look)
    : Control(parent, std::move(name), bounds, std::move(look)) {}

void ListBox::showItems(const Rows* items) {
    items_ = items;
    rowsChanged();
}

const Rows& ListBox::items() const {
    static const std::vector<std::string> nothing;
    static const VectorRows none(nothing);
    return items_ ? *items_ : none;
}

void ListBox::rowsChanged() {
    itemIndex_ = -1;
    topIndex_ = 0;
    notify({.what = Change::What::Rows});
}

void ListBox::rowChanged(int row) { notify({.what = Change::What::Row, .row = row}); }

void ListBox::setItemIndex(int index) {
    if (index < 0 || index >= static_cast<int>(items().size())) index = -1;
    if (index == itemIndex_) return;
    itemIndex_ = index;
    if (index >= 0) {
        if (index < topIndex_)
            topIndex_ = index;
        else if (index >= topIndex_ + visibleRows())
            topIndex_ = index - visibleRows() + 1;
    }
    notify();
}

void ListBox::select(int index) {
    if (!reachable() || index < 0 || index >= static_cast<int>(items().size())) return;
    setItemIndex(index);
    run(OnClick);
}

void ListBox::setTopIndex(int topIndex) {
    const int last = std::max(0, static_cast<int>(items().size()) - visibleRows());
    topIndex = std::clamp(topIndex, 0, last);
    if (topIndex == topIndex_) return;
    topIndex_ = topIndex;
    notify();
}

void ListBox::scrollTo(int topIndex) {
    if (!reachable()) return;
    const int before = topIndex_;
    setTopIndex(topIndex);
    if (topIndex_ != before) run(OnScroll);
}

MainMenu::MainMenu(Form* form, std::string name) : Control(form, std::move(name), Rect{}) {
    form->mainMenu_ = this;
}

MenuItem::MenuItem(Control* parent, std::string name, std::string caption)
    : Control(parent, std::move(name), Rect{}) {
    setCaption(std::move(caption));
}

void MenuItem::click() {
    if (reachable()) run(OnClick);
}

}  // namespace torvexa
