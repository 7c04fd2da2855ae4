#pragma once

// Every caption and drop-down item fits the room its control gives it, and a label that grows
// with its caption runs into no control beside it: one rule for the FLTK and the Windows view,
// each of which says only how its widgets measure (FitWidgets).

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "common/Cp1252.h"
#include "ui/ControlVisitor.h"
#include "ui/Controls.h"

namespace torvexa::test {

// The gap a label's last letter keeps from the control beside it, in layout pixels.
inline constexpr int kLabelGap = 2;

// Whether a label at `label` whose text ends at `textRight` runs into the control at `other`
// (both in the same parent's pixels), keeping `gap` pixels. Only a control on the label's row
// counts: one it overlaps by a pixel or two (a tick mark above it) is not, nor one to its left.
inline bool runsInto(const Rect& label, int textRight, const Rect& other, int gap) {
    const int shared = std::min(other.top + other.height, label.top + label.height) -
                       std::max(other.top, label.top);
    if (shared < label.height / 2 || other.left <= label.left) return false;
    return textRight + gap > other.left;
}

// What a view tells of the widget it made for a control, in the widget's pixels.
class FitWidgets {
  public:
    virtual ~FitWidgets() = default;
    // Where the widget lies in its parent.
    virtual Rect at(const Control& control) const = 0;
    // How wide the control draws its caption, as the view shows it ("&" an access key).
    virtual int captionWidth(const Control& control) const = 0;
    // How wide the control draws a text of its own: a drop-down's item, a number, a row.
    virtual int textWidth(const Control& control, const std::string& text) const = 0;
    // The room the control leaves for its caption or text: its width less its check mark,
    // edges, arrow or margins.
    virtual int room(const Control& control) const = 0;
    // The height a word-wrapping label's text takes, where the view measures it.
    virtual std::optional<int> wrappedHeight(const Label& label) const {
        (void)label;
        return std::nullopt;
    }
    virtual int scaled(int layoutPixels) const = 0;
};

class CaptionFit : public ControlVisitor {
  public:
    CaptionFit(const FitWidgets& widgets, std::string where)
        : widgets_(widgets), where_(std::move(where)) {}
    // What does not fit, a line each: where, the control, the text, the pixels.
    const std::vector<std::string>& cut() const { return cut_; }

    void visit(Form& form) override { children(form); }
    void visit(Panel& panel) override { children(panel); }
    void visit(GroupBox& group) override {
        fits(group);
        children(group);
    }
    void visit(Label& label) override {
        const Rect mine = widgets_.at(label);
        if (label.look().wordWrap) {
            const std::optional<int> height = widgets_.wrappedHeight(label);
            if (height && *height > mine.height + widgets_.scaled(2))
                report(label, "wrapped height", *height, mine.height);
            return;
        }
        if (label.look().fixedSize) {
            fits(label);
            return;
        }
        const int right = mine.left + widgets_.captionWidth(label);
        const int gap = widgets_.scaled(kLabelGap);
        for (const Control* other : label.parent()->children()) {
            if (other == &label || !other->visible()) continue;
            const Rect r = widgets_.at(*other);
            if (runsInto(mine, right, r, gap))
                report(label, "runs into " + other->name(), right + gap, r.left);
        }
    }
    void visit(Shape&) override {}
    void visit(CheckBox& box) override { fits(box); }
    void visit(RadioButton& radio) override { fits(radio); }
    void visit(Button& button) override { fits(button); }
    void visit(SpeedButton& button) override { fits(button); }
    // A number field shows the largest number its up-down gives it whole.
    void visit(Edit& edit) override {
        if (edit.upDown()) fitsText(edit, std::to_string(edit.upDown()->max()));
    }
    void visit(UpDown&) override {}
    void visit(ComboBox& combo) override {
        for (const std::string& item : combo.items())
            fitsText(combo, item);
    }
    void visit(TrackBar&) override {}
    // The line numbers of a file of a million lines fit their column.
    void visit(ListBox& list) override {
        if (list.name() == "ListBox5") fitsText(list, "999999");
    }
    void visit(MainMenu&) override {}
    void visit(MenuItem&) override {}

  private:
    void children(Control& parent) {
        for (Control* child : parent.children())
            child->accept(*this);
    }
    void fits(const Control& control) {
        const int needed = widgets_.captionWidth(control);
        const int room = widgets_.room(control);
        if (needed > room)
            report(control, "\"" + cp1252ToUtf8(control.caption()) + "\"", needed, room);
    }
    void fitsText(const Control& control, const std::string& text) {
        const int needed = widgets_.textWidth(control, text);
        const int room = widgets_.room(control);
        if (needed > room) report(control, "\"" + cp1252ToUtf8(text) + "\"", needed, room);
    }
    void report(const Control& control, const std::string& what, int needed, int room) {
        cut_.push_back(where_ + ": " + control.name() + ": " + what + " needs " +
                       std::to_string(needed) + " px, has " + std::to_string(room));
    }

    const FitWidgets& widgets_;
    std::string where_;
    std::vector<std::string> cut_;
};

}  // namespace torvexa::test
