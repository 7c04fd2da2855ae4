#pragma once

#include "common/Rows.h"

#include <FL/Fl_Browser_.H>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace torvexa::fltk {

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
    // How many whole rows the list shows, the same for lists side by side whatever their frames
    // (by default, as many as its inner height holds).
    void wholeRows(int rows) { wholeRows_ = rows; }

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
    int wholeRows_ = 0;
    int selected_ = 0;
    Fl_Font font_ = FL_HELVETICA;
    int size_ = 11;
};

}  // namespace torvexa::fltk
