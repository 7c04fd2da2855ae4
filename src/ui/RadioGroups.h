#pragma once

#include <vector>

#include "ui/Controls.h"

// Which radio buttons choose together, in the model and in every view: the radio buttons that
// follow each other in their parent's tab order form one group.
namespace torvexa {

std::vector<RadioButton*> radioGroupOf(const RadioButton& radio);

// The first of its group: where a view starts a new group.
bool startsRadioGroup(const RadioButton& radio);

// The button an arrow key moves to from `radio`, `step` (+1 or -1) along the group, skipping
// those a person cannot reach; none at the group's end.
RadioButton* radioNeighbour(const RadioButton& radio, int step);

// The one Tab stops at: the chosen one, else the first while none is chosen.
bool isRadioTabStop(const RadioButton& radio);

}  // namespace torvexa
