#include "ui/ListRules.h"

#include <algorithm>

namespace torvexa {

void choose(ListBox& list, int topRow, int row) {
    list.scrollTo(topRow);
    list.select(row);
}

int movedItem(int current, int count, ListKey key, int page) {
    if (count <= 0) return -1;
    const int last = count - 1;
    if (current < 0 || current > last) return key == ListKey::End ? last : 0;
    // A page keeps one row of the last in sight, as lists do.
    const int pageStep = std::max(1, page - 1);
    switch (key) {
        case ListKey::Up:
            return std::max(0, current - 1);
        case ListKey::Down:
            return std::min(last, current + 1);
        case ListKey::PageUp:
            return std::max(0, current - pageStep);
        case ListKey::PageDown:
            return std::min(last, current + pageStep);
        case ListKey::Home:
            return 0;
        case ListKey::End:
            return last;
    }
    return current;
}

}  // namespace torvexa
