#pragma once

#include "ui/Controls.h"

// How a list widget and its list follow each other, in every view.
namespace torvexa {

// A person chose row `row` in a list scrolled to `topRow`: the list scrolls first, so that
// selecting scrolls no further, then the choice runs its handler.
void choose(ListBox& list, int topRow, int row);

// Brings a list widget up to date after `change`: every row or the one row that changed, then
// the scroll position, then the selection (selecting last, so it scrolls no further). The
// widget has replaceAll(rows), replaceRow(row, text), scrollTo(topRow) and select(row).
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

// A drop-down's items are rebuilt only when the drop-down announces new ones (a rebuild
// loses what the person browsed to); then its selection and text follow.
inline bool itemsChanged(const Change& change) { return change.what == Change::What::Rows; }

// The keys that move through a drop-down's items, on the closed box (each move a person's
// choice) and on its open list (each move the highlight), as in Windows' drop-down lists.
enum class ListKey { Up, Down, PageUp, PageDown, Home, End };

// The item `key` moves to from `current` (-1: none) among `count` items, a page being the
// `page` rows its open list shows; -1 when there are no items. With none chosen, every key
// but End goes to the first item.
int movedItem(int current, int count, ListKey key, int page);

}  // namespace torvexa
