#include "ui/RadioGroups.h"

#include <algorithm>

namespace torvexa {

std::vector<RadioButton*> radioGroupOf(const RadioButton& radio) {
    if (!radio.parent()) return {const_cast<RadioButton*>(&radio)};
    std::vector<RadioButton*> run;
    for (Control* control : radio.parent()->tabOrder()) {
        auto* member = dynamic_cast<RadioButton*>(control);
        if (!member) {
            if (std::find(run.begin(), run.end(), &radio) != run.end()) return run;
            run.clear();
            continue;
        }
        run.push_back(member);
    }
    return run;
}

bool startsRadioGroup(const RadioButton& radio) { return radioGroupOf(radio).front() == &radio; }

RadioButton* radioNeighbour(const RadioButton& radio, int step) {
    const std::vector<RadioButton*> group = radioGroupOf(radio);
    const auto at = std::find(group.begin(), group.end(), &radio) - group.begin();
    for (auto i = at + step; i >= 0 && i < static_cast<std::ptrdiff_t>(group.size()); i += step) {
        RadioButton* next = group[static_cast<std::size_t>(i)];
        if (next->reachable()) return next;
    }
    return nullptr;
}

bool isRadioTabStop(const RadioButton& radio) {
    const std::vector<RadioButton*> group = radioGroupOf(radio);
    const bool anyChosen =
        std::any_of(group.begin(), group.end(), [](const RadioButton* r) { return r->checked(); });
    return anyChosen ? radio.checked() : group.front() == &radio;
}

}  // namespace torvexa
