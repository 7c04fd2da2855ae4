#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ui/Controls.h"

// What every view does the same way, whatever its toolkit: the colours, the background a
// control shows, how wide a label grows, how a list follows a person's choice, how a message's
// lines break, and the observers a view attaches and must detach.
namespace torvexa {

struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
    bool operator==(const Rgb&) const = default;
};

// The layout colours. The system colours (button face, window, window text) are the
// system's own where the toolkit has them; these are their usual values elsewhere.
Rgb rgbOf(Colour colour);
bool isSystemColour(Colour colour);

// The colour a control shows behind it: its own, else the nearest parent's.
Colour backgroundOf(const Control& control);

// How wide a label is shown with a caption `textWidth` wide: a label grows with its caption
// (never shrinks below its layout width) unless it keeps a fixed size.
int shownWidth(const Label& label, int textWidth);

// A person chose row `row` in a list scrolled to `topRow`: the list scrolls first, so that
// selecting scrolls no further, then the choice runs its handler.
void choose(ListBox& list, int topRow, int row);

// Brings a list widget up to date after `change`: every row or the one row that changed, then
// the scroll position, then the selection (selecting last, so it scrolls no further). The
// widget has replaceAll(rows), replaceRow(row, text), scrollTo(topRow) and select(row).
template <typename ListWidget>
void showList(const ListBox& list, const Change& change, ListWidget& widget);

// A message's text for a box that breaks lines at `lineBreak`: the program separates lines
// with CR alone (CR LF counts as one break); a lone LF is left as it is.
std::string messageText(std::string_view text, std::string_view lineBreak);

// The observers a view attached: each is told once at once, so the widget starts up to date,
// and all are detached when the view goes, before its widgets.
class Following {
  public:
    Following() = default;
    ~Following() { detachAll(); }
    Following(const Following&) = delete;
    Following& operator=(const Following&) = delete;

    void follow(Control& control, Observer sync);
    void detachAll();

  private:
    std::vector<Control*> followed_;
};

template <typename ListWidget>
void showList(const ListBox& list, const Change& change, ListWidget& widget) {
    const Rows& rows = list.items();
    if (change.what == Change::What::Rows)
        widget.replaceAll(rows);
    else if (change.what == Change::What::Row)
        widget.replaceRow(change.row, rows[static_cast<std::size_t>(change.row)]);
    widget.scrollTo(list.topIndex());
    widget.select(list.itemIndex());
}

}  // namespace torvexa
