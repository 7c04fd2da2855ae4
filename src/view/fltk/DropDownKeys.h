#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ui/ListRules.h"

// The keys of a closed drop-down in the FLTK view, read from the key event FLTK is handling.
namespace torvexa::fltk {

// Alt+Down, Alt+Up and F4 open a drop-down's list; Space too where it types nothing.
bool opensList(bool spaceOpens);

// The key as one that moves through a closed drop-down's items: the arrows, PageUp, PageDown,
// Home and End, without Alt or Ctrl.
std::optional<ListKey> closedListKey();

// How many rows a drop-down's open list shows: a page for PageUp and PageDown.
int openListRows(int count);

// The items as the open list shows them: exactly as they stand.
std::vector<std::string> displayItems(const std::vector<std::string>& items);

}  // namespace torvexa::fltk
