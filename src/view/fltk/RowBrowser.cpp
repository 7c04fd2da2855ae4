#include "view/fltk/RowBrowser.h"

#include <algorithm>

#include <FL/Fl.H>
#include <FL/fl_draw.H>

#include "view/fltk/FltkVersion.h"
#include "view/fltk/Text.h"

namespace torvexa::fltk {

constexpr int kRowsPerNotch = 3;

RowBrowser::RowBrowser(int x, int y, int w, int h, int rowHeight)
    : Fl_Browser_(x, y, w, h), rowHeight_(rowHeight) {
    type(FL_HOLD_BROWSER);
    has_scrollbar(Fl_Browser_::VERTICAL_ALWAYS);
    when(FL_WHEN_CHANGED);
    scrollbar.callback(scrollBarMoved);
}

int RowBrowser::innerHeight() const { return h() - Fl::box_dh(box()); }

int RowBrowser::lastTopRow() const {
    return std::max(0, size() - (wholeRows_ > 0 ? wholeRows_ : innerHeight() / rowHeight_));
}

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
void RowBrowser::showFromRow(int top) { setVerticalPosition(*this, top * rowHeight_); }

int RowBrowser::firstShownRow() const { return verticalPosition(*this) / rowHeight_; }

void RowBrowser::draw() {
    // Never past the last row; the top is a whole row, as in the lists beside it.
    if (verticalPosition(*this) > lastTopRow() * rowHeight_)
        setVerticalPosition(*this, lastTopRow() * rowHeight_);
    Fl_Browser_::draw();
    // The focus shows on the list itself, also while no row is chosen.
    const int bar = !has_scrollbar()   ? 0
                    : scrollbar_size() ? scrollbar_size()
                                       : Fl::scrollbar_size();
    if (Fl::focus() == this) draw_focus(box(), x(), y(), w() - bar, h());
}

int RowBrowser::handle(int event) {
    if (event == FL_FOCUS || event == FL_UNFOCUS) redraw();
    // Three whole rows a notch, as lists elsewhere; reckoned from the rows, so that it also
    // holds before the bar has learnt its range.
    if (event == FL_MOUSEWHEEL) {
        if (Fl::event_dy() == 0) return 0;
        const int top =
            std::clamp(firstShownRow() + kRowsPerNotch * Fl::event_dy(), 0, lastTopRow());
        if (top != firstShownRow()) {
            showFromRow(top);
            if (scrolled_) scrolled_(scrolledData_);
        }
        return 1;
    }
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
