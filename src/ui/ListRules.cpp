#include "ui/ListRules.h"

namespace torvexa {

void choose(ListBox& list, int topRow, int row) {
    list.scrollTo(topRow);
    list.select(row);
}

}  // namespace torvexa
