// The drop-downs: a fixed list, or a text field with a list below it, kept to the control's
// items, selection and text.
#include "view/fltk/Builder.h"

#include <FL/Fl_Input.H>

#include "ui/ListRules.h"
#include "ui/TextRules.h"
#include "view/fltk/EditableCombo.h"
#include "view/fltk/FixedCombo.h"
#include "view/fltk/Text.h"
#include "view/fltk/Toolkit.h"

namespace torvexa::fltk {

void Builder::visit(ComboBox& combo) {
    if (combo.style() == ComboBox::Style::Editable)
        editableCombo(combo);
    else
        fixedCombo(combo);
}

void Builder::editableCombo(ComboBox& combo) {
    auto* widget = new EditableCombo(x(combo), y(combo), w(combo), h(combo), view_.scale);
    record(combo, widget);
    widget->textsize(scaledFont(combo.font().height, view_.scale));
    onUser(widget->input(), [&combo, widget] { combo.type(typedText(widget->input().value())); });
    // Picking the item already shown is a pick too.
    onUser(*widget, [&combo, widget] { combo.pick(widget->picked()); });
    widget->whenEntered(UserActions::run, view_.actions.add([&combo] { combo.enter(); }));
    widget->whenLeft(UserActions::run, view_.actions.add([&combo] { combo.leave(); }));
    follow(combo, [widget, &combo](const Change& change) {
        if (itemsChanged(change)) widget->items(combo.items());
        Fl_Input& input = widget->input();
        showText(
            displayText(combo.text()), [&input] { return std::string(input.value()); },
            [&input](const std::string& text) { input.value(text.c_str()); });
        applyState(*widget, combo);
    });
}

void Builder::fixedCombo(ComboBox& combo) {
    auto* widget = new FixedCombo(x(combo), y(combo), w(combo), h(combo), view_.scale);
    record(combo, widget);
    widget->textsize(scaledFont(combo.font().height, view_.scale));
    widget->down_box(FL_BORDER_BOX);
    widget->when(FL_WHEN_RELEASE | FL_WHEN_NOT_CHANGED);
    onUser(*widget, [&combo, widget] { combo.pick(widget->value()); });
    follow(combo, [widget, &combo](const Change& change) {
        if (itemsChanged(change)) widget->items(combo.items(), itemText);
        widget->value(combo.itemIndex());
        applyState(*widget, combo);
        widget->redraw();
    });
}

}  // namespace torvexa::fltk
