#include "view/fltk/Widgets.h"

#include <algorithm>

#include "ui/PathLines.h"
#include "view/fltk/Text.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>

namespace torvexa::fltk {

LabelBox::LabelBox(int x, int y, int w, int h, bool underline)
    : Fl_Box(x, y, w, h), underline_(underline) {
    box(FL_NO_BOX);
}

void LabelBox::path(std::string utf8) {
    path_ = std::move(utf8);
    label(nullptr);
    redraw();
}

void LabelBox::draw() {
    draw_box();
    if (!path_.empty()) {
        fl_font(labelfont(), labelsize());
        std::string lines;
        for (const std::string& line : pathLines(path_, w(), [](std::string_view text) {
                 return static_cast<int>(fl_width(text.data(), static_cast<int>(text.size())));
             }))
            lines += line + "\n";
        fl_color(active_r() ? labelcolor() : fl_inactive(labelcolor()));
        // Drawn as it stands: no symbols, no access keys.
        fl_draw(lines.c_str(), x(), y(), w(), h(), FL_ALIGN_LEFT | FL_ALIGN_TOP | FL_ALIGN_CLIP,
                nullptr, 0);
        return;
    }
    draw_label(x(), y(), w(), h(), align());
    if (!underline_ || !label()) return;
    fl_font(labelfont(), labelsize());
    int tw = (align() & FL_ALIGN_WRAP) ? w() : 0;
    int th = 0;
    fl_measure(label(), tw, th, 0);
    const int left = (align() & FL_ALIGN_LEFT) ? x() : x() + (w() - tw) / 2;
    fl_color(labelcolor());
    fl_xyline(left, y() + fl_height() - fl_descent() + 1, left + tw - 1);
}

int FormWindow::handle(int event) {
    const int key = Fl::event_key();
    const bool alt = key == FL_Alt_L || key == FL_Alt_R;
    switch (event) {
        case FL_KEYBOARD:
        case FL_SHORTCUT:
            if (key == FL_F + 10 && menuBar_) {
                openMenu();
                return 1;
            }
            altAlone_ = alt;
            break;
        case FL_KEYUP:
            if (alt && altAlone_ && menuBar_) {
                altAlone_ = false;
                openMenu();
                return 1;
            }
            altAlone_ = false;
            break;
        case FL_PUSH:
            altAlone_ = false;
            break;
        default:
            break;
    }
    return Fl_Double_Window::handle(event);
}

void FormWindow::openMenu() {
    // What the bar itself does on a click on its first title.
    const Fl_Menu_Item* items = menuBar_->menu();
    if (!items || !items->label()) return;
    const Fl_Menu_Item* chosen = items->pulldown(menuBar_->x(), menuBar_->y(), menuBar_->w(),
                                                 menuBar_->h(), items, menuBar_, nullptr, 1);
    menuBar_->picked(chosen);
}

FlatButton::FlatButton(int x, int y, int w, int h) : Fl_Button(x, y, w, h) {
    box(FL_FLAT_BOX);
    down_box(FL_THIN_DOWN_BOX);
}

int FlatButton::handle(int event) {
    switch (event) {
        case FL_KEYBOARD:
            if (Fl::focus() == this &&
                (Fl::event_key() == FL_Enter || Fl::event_key() == FL_KP_Enter)) {
                do_callback();
                return 1;
            }
            break;
        case FL_FOCUS:
            // The mark shows a focus the keyboard brought (or gave back), not one a click on
            // this button left behind.
            keyboardFocus_ = Fl::event() != FL_PUSH || !Fl::event_inside(this);
            redraw();
            return active_r() && visible_r() ? 1 : 0;
        case FL_UNFOCUS:
            keyboardFocus_ = false;
            redraw();
            return 1;
        case FL_ENTER:
            hovered_ = true;
            redraw();
            Fl_Button::handle(event);
            return 1;
        case FL_LEAVE:
        case FL_HIDE:
        case FL_DEACTIVATE:
            hovered_ = false;
            redraw();
            break;
        case FL_RELEASE: {
            const int handled = Fl_Button::handle(event);
            // The click may have opened a window: the frame follows the pointer, not the click.
            int px = 0;
            int py = 0;
            Fl::get_mouse(px, py);
            const Fl_Window* top = window();
            hovered_ = top && Fl::first_window() == top && px >= top->x_root() + x() &&
                       px < top->x_root() + x() + w() && py >= top->y_root() + y() &&
                       py < top->y_root() + y() + h();
            redraw();
            return handled;
        }
        default:
            break;
    }
    return Fl_Button::handle(event);
}

void FlatButton::draw() {
    const Fl_Boxtype frame = value()                  ? down_box()
                             : hovered_ && active_r() ? FL_THIN_UP_BOX
                                                      : FL_FLAT_BOX;
    // Never greyed: a disabled flat button is its greyed caption on the colour behind it.
    fl_draw_box(frame, x(), y(), w(), h(), color());
    draw_label();
    if (Fl::focus() == this && keyboardFocus_) draw_focus();
}

RadioDot::RadioDot(int x, int y, int w, int h) : Fl_Round_Button(x, y, w, h) {
    type(FL_RADIO_BUTTON);
}

int RadioDot::handle(int event) {
    if (event != FL_KEYBOARD || !parent()) return Fl_Round_Button::handle(event);
    const int key = Fl::event_key();
    const int step = key == FL_Down || key == FL_Right ? 1
                     : key == FL_Up || key == FL_Left  ? -1
                                                       : 0;
    if (step == 0) return Fl_Round_Button::handle(event);
    Fl_Group& group = *parent();
    for (int i = group.find(this) + step; i >= 0 && i < group.children(); i += step) {
        auto* next = dynamic_cast<RadioDot*>(group.child(i));
        if (!next || !next->active_r() || !next->visible_r()) continue;
        next->take_focus();
        next->do_callback();  // the person chose it: the model checks it and clears the others
        return 1;
    }
    return 1;  // at the end of the group the focus stays
}

void RadioDot::draw() {
    constexpr int kDiameter = 13;
    constexpr int kDot = 5;
    const int left = x() + 1;
    const int top = y() + (h() - kDiameter) / 2;
    fl_color(active_r() ? FL_WHITE : color());
    fl_pie(left, top, kDiameter, kDiameter, 0, 360);
    fl_color(active_r() ? fl_rgb_color(96, 96, 96) : fl_inactive(fl_rgb_color(96, 96, 96)));
    fl_arc(left, top, kDiameter, kDiameter, 0, 360);
    if (value()) {
        const int inset = (kDiameter - kDot) / 2;
        fl_color(active_r() ? FL_BLACK : fl_inactive(FL_BLACK));
        fl_pie(left + inset, top + inset, kDot, kDot, 0, 360);
    }
    draw_label(left + kDiameter + 4, y(), w() - kDiameter - 5, h());
    if (Fl::focus() == this) draw_focus();
}

GroupFrame::GroupFrame(int x, int y, int w, int h) : Fl_Group(x, y, w, h) {
    box(FL_NO_BOX);
    align(FL_ALIGN_TOP_LEFT | FL_ALIGN_INSIDE);
}

void GroupFrame::draw() {
    const int half = labelsize() / 2;
    if (damage() & ~FL_DAMAGE_CHILD) {
        fl_draw_box(FL_FLAT_BOX, x(), y(), w(), h(), color());
        fl_draw_box(FL_ENGRAVED_FRAME, x(), y() + half, w(), h() - half, color());
        if (label() && *label()) {
            fl_font(labelfont(), labelsize());
            int tw = 0;
            int th = 0;
            fl_measure(label(), tw, th, 1);
            fl_color(color());
            fl_rectf(x() + 6, y(), tw + 4, th);
            fl_color(labelcolor());
            fl_draw(label(), x() + 8, y(), tw, th, FL_ALIGN_LEFT | FL_ALIGN_INSIDE, nullptr, 1);
        }
    }
    draw_children();
}

UpDownArrows::UpDownArrows(int x, int y, int w, int h)
    : Fl_Group(x, y, w, h),
      up_(x, y, w, h / 2, "@-38>"),
      down_(x, y + h / 2, w, h - h / 2, "@-32>") {
    for (Fl_Button* arrow : {&up_, &down_}) {
        arrow->labelsize(6);
        arrow->visible_focus(0);
        arrow->color(fl_rgb_color(240, 240, 240));
    }
    end();
}

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

FixedCombo::FixedCombo(int x, int y, int w, int h) : Fl_Choice(x, y, w, h) {}

void FixedCombo::items(const std::vector<std::string>& items, MenuTable::Convert convert) {
    if (table_.update(items, convert)) menu(table_.menu());
}

namespace {
constexpr int kArrowWidth = 17;
}

EditableCombo::EditableCombo(int x, int y, int w, int h)
    : Fl_Group(x, y, w, h),
      input_(x, y, w - kArrowWidth, h),
      arrow_(x + w - kArrowWidth, y, kArrowWidth, h, "@-22>") {
    input_.when(FL_WHEN_CHANGED);
    arrow_.labelsize(7);
    arrow_.visible_focus(0);
    arrow_.color(fl_rgb_color(240, 240, 240));
    arrow_.callback([](Fl_Widget* arrow, void*) {
        auto* button = static_cast<Fl_Button*>(arrow);
        if (!button->value()) return;  // the release of the press that opened the list
        button->value(0);
        static_cast<EditableCombo*>(arrow->parent())->openList();
    });
    arrow_.when(FL_WHEN_CHANGED);  // opens on the press, as a drop-down does
    end();
}

void EditableCombo::items(const std::vector<std::string>& items, MenuTable::Convert convert) {
    table_.update(items, convert);
}

void EditableCombo::textsize(int size) { input_.textsize(size); }

int EditableCombo::Field::handle(int event) {
    auto* combo = static_cast<EditableCombo*>(parent());
    if (event == FL_UNFOCUS && combo->left_) {
        const int handled = Fl_Input::handle(event);
        combo->left_(combo->leftData_);
        return handled;
    }
    const int key = Fl::event_key();
    if (event == FL_KEYBOARD && (key == FL_Down || key == FL_F + 4)) {
        static_cast<EditableCombo*>(parent())->openList();
        return 1;
    }
    return Fl_Input::handle(event);
}

void EditableCombo::openList() {
    const Fl_Menu_Item* menu = table_.menu();
    if (!menu || !menu->label()) return;
    const Fl_Menu_Item* chosen = menu->pulldown(x(), y(), w(), h(), nullptr, nullptr);
    if (!chosen) return;
    picked_ = static_cast<int>(chosen - menu);
    do_callback();
}

TickSlider::TickSlider(int x, int y, int w, int h, int frequency)
    : Fl_Slider(x, y, w, h), frequency_(frequency > 0 ? frequency : 1) {
    type(FL_HOR_NICE_SLIDER);
    box(FL_FLAT_BOX);
    slider_size(0.06);
}

void TickSlider::draw() {
    const int tickArea = 8;
    const int sliderHeight = h() - tickArea;
    fl_draw_box(FL_FLAT_BOX, x(), y(), w(), h(), color());
    Fl_Slider::draw(x(), y(), w(), sliderHeight);
    if (Fl::focus() == this) draw_focus(FL_NO_BOX, x(), y(), w(), sliderHeight);

    // Ticks line up with the centre of the knob at each position.
    const double range = maximum() - minimum();
    const int knob = static_cast<int>(slider_size() * w() + 0.5);
    const int usable = w() - knob - Fl::box_dw(box());
    fl_color(active_r() ? FL_FOREGROUND_COLOR : fl_inactive(FL_FOREGROUND_COLOR));
    for (double v = minimum(); v <= maximum() + 1e-9; v += frequency_) {
        const double at = range > 0 ? (v - minimum()) / range : 0;
        const int tx = x() + Fl::box_dx(box()) + knob / 2 + static_cast<int>(at * usable + 0.5);
        fl_yxline(tx, y() + sliderHeight + 1, y() + sliderHeight + 4);
    }
}

RowBrowser::RowBrowser(int x, int y, int w, int h, int rowHeight)
    : Fl_Browser_(x, y, w, h), rowHeight_(rowHeight) {
    type(FL_HOLD_BROWSER);
    has_scrollbar(Fl_Browser_::VERTICAL_ALWAYS);
    when(FL_WHEN_CHANGED);
    scrollbar.callback(scrollBarMoved);
}

int RowBrowser::innerHeight() const { return h() - Fl::box_dh(box()); }

int RowBrowser::lastTopRow() const { return std::max(0, size() - innerHeight() / rowHeight_); }

// FLTK's own scroll bar callback moves the list by pixels; here it moves to the nearest whole
// row (the last one at the bar's end), so that lists side by side stay in step, and tells.
// The end is reckoned from the rows: the bar learns its range only when the list is drawn.
void RowBrowser::scrollBarMoved(Fl_Widget* bar, void*) {
    auto* self = static_cast<RowBrowser*>(bar->parent());
    const int pixels = static_cast<int>(static_cast<const Fl_Scrollbar*>(bar)->value());
    int top = (pixels + self->rowHeight_ / 2) / self->rowHeight_;
    if (pixels >= self->size() * self->rowHeight_ - self->innerHeight()) top = self->lastTopRow();
    self->showFromRow(std::clamp(top, 0, self->lastTopRow()));
    if (self->scrolled_) self->scrolled_(self->scrolledData_);
}

void RowBrowser::replaceAll(const Rows& rows) {
    clear();
    rows_.reserve(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i)
        rows_.push_back(displayText(rows[i]));
    new_list();
}

void RowBrowser::replaceRow(int row, std::string_view text) {
    rows_[static_cast<std::size_t>(row)] = displayText(text);
    redraw_line(itemOf(row + 1));
}

void RowBrowser::clear() {
    rows_.clear();
    selected_ = 0;
    new_list();
}

void RowBrowser::value(int row) {
    if (row < 0 || row > size()) row = 0;
    if (row == selected_) return;
    if (row > 0)
        select_only(itemOf(row), 0);
    else
        deselect(0);
}

// By pixel position: the list works out its first row only when drawn.
void RowBrowser::showFromRow(int top) { position(top * rowHeight_); }

int RowBrowser::firstShownRow() const { return position() / rowHeight_; }

void RowBrowser::draw() {
    // Never past the last row; the top is a whole row, as in the lists beside it.
    if (position() > lastTopRow() * rowHeight_) position(lastTopRow() * rowHeight_);
    Fl_Browser_::draw();
    // The focus shows on the list itself, also while no row is chosen.
    const int bar = scrollbar_size() ? scrollbar_size() : Fl::scrollbar_size();
    if (Fl::focus() == this) draw_focus(box(), x(), y(), w() - bar, h());
}

int RowBrowser::handle(int event) {
    if (event == FL_FOCUS || event == FL_UNFOCUS) redraw();
    // With no row chosen, Down chooses the first row (FLTK would skip it), as lists do elsewhere.
    if (event == FL_KEYBOARD && Fl::event_key() == FL_Down && selected_ == 0 && size() > 0) {
        select_only(itemOf(1), 1);
        return 1;
    }
    return Fl_Browser_::handle(event);
}

void* RowBrowser::item_first() const { return rows_.empty() ? nullptr : itemOf(1); }
void* RowBrowser::item_next(void* item) const {
    return rowOf(item) < size() ? itemOf(rowOf(item) + 1) : nullptr;
}
void* RowBrowser::item_prev(void* item) const {
    return rowOf(item) > 1 ? itemOf(rowOf(item) - 1) : nullptr;
}
void* RowBrowser::item_last() const { return rows_.empty() ? nullptr : itemOf(size()); }
int RowBrowser::item_height(void*) const { return rowHeight_; }
int RowBrowser::item_quick_height(void*) const { return rowHeight_; }
int RowBrowser::full_height() const { return size() * rowHeight_; }
int RowBrowser::incr_height() const { return rowHeight_; }

int RowBrowser::item_width(void* item) const {
    fl_font(font_, size_);
    return static_cast<int>(fl_width(text(rowOf(item)))) + 6;
}

const char* RowBrowser::item_text(void* item) const { return text(rowOf(item)); }

void RowBrowser::item_draw(void* item, int x, int y, int w, int h) const {
    Fl_Color colour = active_r() ? textcolor() : fl_inactive(textcolor());
    if (item_selected(item)) colour = fl_contrast(colour, selection_color());
    fl_font(font_, size_);
    fl_color(colour);
    // Drawn as they stand: no formatting codes, no symbols.
    fl_draw(text(rowOf(item)), x + 3, y, w - 6, h, FL_ALIGN_LEFT | FL_ALIGN_CLIP, nullptr, 0);
}

void RowBrowser::item_select(void* item, int selected) {
    if (selected)
        selected_ = rowOf(item);
    else if (rowOf(item) == selected_)
        selected_ = 0;
}

int RowBrowser::item_selected(void* item) const { return rowOf(item) == selected_; }

}  // namespace torvexa::fltk
