#pragma once

// After every step of a person's flows, every widget must show what its control holds: one
// rule for the FLTK and the Windows view, each of which says only how to read its widgets
// (MirrorWidgets). What a control holds is read here from the model by the rules the layout
// was made for: program text is Windows-1252; in a caption "&x" underlines x and "&&" is one
// "&"; items, fields, rows and titles show every "&" as it stands.

#include <algorithm>
#include <optional>
#include <sstream>
#include <string>
#include <type_traits>
#include <vector>

#include "common/Cp1252.h"
#include "ui/ControlVisitor.h"
#include "ui/Controls.h"
#include "ui/Scale.h"

namespace torvexa::test {

// A caption as a person reads it: "&&" is one "&", a lone "&" only underlines.
inline std::string withoutAccessMarks(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '&')
            out += text[i];
        else if (i + 1 < text.size() && text[i + 1] == '&')
            out += text[++i];
    }
    return out;
}

// The form a control lies in.
inline const Form& formOf(const Control& control) {
    const Control* top = &control;
    while (top->parent())
        top = top->parent();
    return dynamic_cast<const Form&>(*top);
}

// What a view's widget for a control shows, as a person reads it (UTF-8; a toolkit's symbol
// or markup as "<symbol>", never as the person's text).
class MirrorWidgets {
  public:
    virtual ~MirrorWidgets() = default;
    virtual bool exists(const Control& control) const = 0;
    // A form: on the screen; a control: shown where its parents are.
    virtual bool shown(const Control& control) const = 0;
    virtual bool enabled(const Control& control) const = 0;
    // Where it lies in its form's client area, at `scaleOf` its form; none: not checked.
    virtual std::optional<Rect> place(const Control& control) const = 0;
    virtual double scaleOf(const Form& form) const = 0;
    // A form's title, a caption, a menu item's caption.
    virtual std::string caption(const Control& control) const = 0;
    virtual bool checked(const Control& control) const = 0;
    // A field's text, an editable drop-down's field, a path label's path.
    virtual std::string text(const Control& control) const = 0;
    virtual std::vector<std::string> items(const ComboBox& combo) const = 0;
    // The rows of a drop-down's own list, where the view draws one apart from its items.
    virtual std::optional<std::vector<std::string>> listRows(const ComboBox& combo) const {
        (void)combo;
        return std::nullopt;
    }
    // A fixed drop-down's item or a list's row chosen, -1 for none.
    virtual int selected(const Control& control) const = 0;
    virtual int position(const TrackBar& track) const = 0;
    virtual std::vector<std::string> rows(const ListBox& list) const = 0;
    virtual int firstRowShown(const ListBox& list) const = 0;
};

class Mirror : public ControlVisitor {
  public:
    Mirror(const MirrorWidgets& widgets, std::string step)
        : widgets_(widgets), step_(std::move(step)) {}
    // What does not mirror, a line each: the step, the control, what it shows and holds.
    const std::vector<std::string>& mismatches() const { return mismatches_; }

    void visit(Form& form) override {
        if (!exists(form)) return;
        same(form, "shown", widgets_.shown(form), form.visible());
        same(form, "title", widgets_.caption(form), asItStands(form.caption()));
        children(form);
    }
    void visit(Panel& panel) override {
        common(panel);
        children(panel);
    }
    void visit(GroupBox& group) override {
        plain(group);
        children(group);
    }
    void visit(Label& label) override {
        if (!common(label)) return;
        if (label.look().path)
            same(label, "path", widgets_.text(label), label.caption());
        else
            captioned(label);
    }
    void visit(Shape& shape) override { common(shape); }
    void visit(CheckBox& box) override { marked(box, box.checked()); }
    void visit(RadioButton& radio) override { marked(radio, radio.checked()); }
    void visit(Button& button) override { plain(button); }
    void visit(SpeedButton& button) override { plain(button); }
    void visit(Edit& edit) override {
        if (common(edit)) same(edit, "text", widgets_.text(edit), asItStands(edit.text()));
    }
    void visit(UpDown& updown) override { common(updown); }
    void visit(ComboBox& combo) override {
        if (!common(combo)) return;
        std::vector<std::string> items;
        for (const std::string& item : combo.items())
            items.push_back(asItStands(item));
        same(combo, "items", widgets_.items(combo), items);
        if (const auto rows = widgets_.listRows(combo)) same(combo, "list rows", *rows, items);
        // An editable drop-down shows its choice as the text in its field.
        if (combo.style() == ComboBox::Style::Editable)
            same(combo, "text", widgets_.text(combo), asItStands(combo.text()));
        else
            same(combo, "selected item", widgets_.selected(combo), combo.itemIndex());
    }
    void visit(TrackBar& track) override {
        if (common(track)) same(track, "position", widgets_.position(track), track.position());
    }
    void visit(ListBox& list) override {
        if (!common(list)) return;
        const std::vector<std::string> shown = widgets_.rows(list);
        const Rows& held = list.items();
        same(list, "row count", shown.size(), held.size());
        for (std::size_t i = 0; i < std::min(shown.size(), held.size()); ++i) {
            if (shown[i] != asItStands(held[i])) {
                same(list, "row " + std::to_string(i), shown[i], asItStands(held[i]));
                break;  // one row tells; a shifted list would tell thousands
            }
        }
        same(list, "selected row", widgets_.selected(list), list.itemIndex());
        if (!held.empty())
            same(list, "first row shown", widgets_.firstRowShown(list), list.topIndex());
    }
    void visit(MainMenu& menu) override { children(menu); }
    void visit(MenuItem& item) override {
        if (!exists(item)) return;
        captioned(item);
        same(item, "enabled", widgets_.enabled(item), item.enabled());
        children(item);
    }

  private:
    static std::string asItStands(std::string_view programText) {
        return cp1252ToUtf8(programText);
    }
    void children(Control& parent) {
        for (Control* child : parent.children())
            child->accept(*this);
    }
    bool exists(const Control& control) {
        if (widgets_.exists(control)) return true;
        mismatches_.push_back(step_ + ": " + control.name() + ": no widget");
        return false;
    }
    bool common(const Control& control) {
        if (!exists(control)) return false;
        same(control, "visible", widgets_.shown(control), control.visible());
        same(control, "enabled", widgets_.enabled(control), control.enabled());
        placed(control);
        return true;
    }
    void captioned(const Control& control) {
        same(control, "caption", widgets_.caption(control),
             cp1252ToUtf8(withoutAccessMarks(control.caption())));
    }
    void plain(const Control& control) {
        if (common(control)) captioned(control);
    }
    void marked(const Control& control, bool checked) {
        if (!common(control)) return;
        captioned(control);
        same(control, "checked", widgets_.checked(control), checked);
    }
    // Where the layout puts it at its form's scale: each edge of its rectangle in the form
    // scaled and rounded. A label that grows with its caption may be wider; a drop-down's
    // height is its toolkit's; a list may end a pixel higher to end at a whole row.
    void placed(const Control& control) {
        const std::optional<Rect> shown = widgets_.place(control);
        if (!shown) return;
        Rect layout = control.bounds();
        for (const Control* up = control.parent(); up && up->parent(); up = up->parent()) {
            layout.left += up->bounds().left;
            layout.top += up->bounds().top;
        }
        const Rect expected = scaledRect(layout, widgets_.scaleOf(formOf(control)));
        Rect seen = *shown;
        const auto* label = dynamic_cast<const Label*>(&control);
        if (label && !label->look().fixedSize && !label->look().path)
            seen.width = std::min(seen.width, expected.width);
        if (dynamic_cast<const ComboBox*>(&control)) seen.height = expected.height;
        if (dynamic_cast<const ListBox*>(&control) && expected.height - seen.height == 1)
            seen.height = expected.height;
        same(control, "place", seen, expected);
    }
    template <typename T>
    void same(const Control& control, const std::string& what, const T& shown, const T& held) {
        if (shown == held) return;
        mismatches_.push_back(step_ + ": " + control.name() + ": " + what + " shows " +
                              printed(shown) + ", the model holds " + printed(held));
    }
    template <typename T>
    static std::string printed(const T& value) {
        std::ostringstream out;
        if constexpr (std::is_same_v<T, std::vector<std::string>>) {
            for (const std::string& s : value)
                out << '[' << s << ']';
        } else if constexpr (std::is_same_v<T, std::string>) {
            out << '"' << value << '"';
        } else if constexpr (std::is_same_v<T, Rect>) {
            out << value.width << 'x' << value.height << '+' << value.left << '+' << value.top;
        } else {
            out << value;
        }
        return out.str();
    }

    const MirrorWidgets& widgets_;
    std::string step_;
    std::vector<std::string> mismatches_;
};

}  // namespace torvexa::test
