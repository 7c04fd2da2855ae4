#include "ui/ReaderNames.h"

#include "ui/Controls.h"

namespace torvexa {

Label* ownLabelOf(const Control& field) {
    auto* label = dynamic_cast<Label*>(field.namedBy());
    if (!label || !field.parent() || label->parent() != field.parent()) return nullptr;
    for (const Control* sibling : field.parent()->tabOrder()) {
        if (sibling->namedBy() == label) return sibling == &field ? label : nullptr;
    }
    return nullptr;
}

bool placedBeforeItsField(const Control& label) {
    if (!label.parent()) return false;
    for (const Control* sibling : label.parent()->tabOrder()) {
        if (ownLabelOf(*sibling) == &label) return true;
    }
    return false;
}

}  // namespace torvexa
