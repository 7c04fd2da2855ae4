#pragma once

#include "ui/Control.h"

// How screen readers learn a field's name. Buttons, check boxes and radio buttons are named by
// their own caption; an edit, a drop-down, a list, a slider or an up-down by the label that
// comes right before it in the window order. The forms say which control's caption names each
// field (Control::namedBy); these rules say where a view puts that label.
namespace torvexa {

class Label;

// The field's own label, to be placed right before it: the label that names it, when that
// label stands beside it (same parent) and names no earlier field there. Null when the field
// is named by another control's caption (a check box beside it, a label elsewhere): the view
// then puts a hidden label with that caption right before it.
Label* ownLabelOf(const Control& field);

// Whether the label is placed right before a field it names, instead of at its own place.
bool placedBeforeItsField(const Control& label);

}  // namespace torvexa
