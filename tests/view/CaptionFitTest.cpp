// Every caption and every drop-down item fits the room its control gives it, measured with the
// font FLTK draws it in, in both shipped languages; a label that grows with its caption runs
// into no control beside it.

// The program first: X11, which FLTK brings in, defines macros named like controls (Button1).
#include "forms/Program.h"

#include <gtest/gtest.h>

#include <FL/Fl.H>
#include <FL/Fl_Widget.H>
#include <FL/fl_draw.H>

#include <algorithm>

#include "support/Scenario.h"
#include "view/fltk/FltkView.h"
#include "view/fltk/Text.h"
#include "view/fltk/Toolkit.h"

namespace torvexa {
namespace {

using test::Scenario;

// How much of a control's width is not room for its text, by kind (FLTK's drawing: the box of
// a check box and its gap, a button's edges, a drop-down's arrow and its text field's margins).
constexpr int kCheckMark = 11 + 4 + 3;
constexpr int kRadioMark = 13 + 5;
constexpr int kButtonEdges = 6;
constexpr int kDropDownArrow = 17 + 6;
constexpr int kGroupCaptionInset = 16;
constexpr int kLabelGap = 2;

class Fit : public ControlVisitor {
  public:
    Fit(const fltk::FltkView& view, std::string language) : view_(view), language_(language) {}
    const std::vector<std::string>& cut() const { return cut_; }

    void visit(Form& form) override { children(form); }
    void visit(Panel& panel) override { children(panel); }
    void visit(GroupBox& group) override {
        fits(group, fltk::captionText(group.caption()), group.bounds().width - kGroupCaptionInset);
        children(group);
    }
    void visit(Label& label) override {
        const std::string text = fltk::boxCaptionText(label.caption());
        if (label.look().wordWrap) {
            const Fl_Widget* w = view_.widgetOf(label);
            fl_font(w->labelfont(), w->labelsize());
            int width = label.bounds().width;
            int height = 0;
            fl_measure(text.c_str(), width, height, 0);
            if (height > label.bounds().height + 2)
                report(label, "wrapped height", height, label.bounds().height);
            return;
        }
        if (label.look().fixedSize) {
            fits(label, text, label.bounds().width);
            return;
        }
        // A growing label must stop before the next control on its row.
        const int right = label.bounds().left + width(label, text);
        for (const Control* other : label.parent()->children()) {
            const Rect& r = other->bounds();
            const Rect& l = label.bounds();
            // A control it overlaps by a pixel or two (a tick mark above it) is not on its row.
            const int shared =
                std::min(r.top + r.height, l.top + l.height) - std::max(r.top, l.top);
            const bool sameRow = shared >= l.height / 2;
            if (other == &label || !other->visible() || !sameRow || r.left <= l.left) continue;
            // It keeps a few pixels from the control beside it, or its last letter touches it.
            if (right + kLabelGap > r.left)
                report(label, "runs into " + other->name(), right + kLabelGap, r.left);
        }
    }
    void visit(Shape&) override {}
    void visit(CheckBox& box) override {
        fits(box, fltk::captionText(box.caption()), box.bounds().width - kCheckMark);
    }
    void visit(RadioButton& radio) override {
        fits(radio, fltk::captionText(radio.caption()), radio.bounds().width - kRadioMark);
    }
    void visit(Button& button) override {
        fits(button, fltk::captionText(button.caption()), button.bounds().width - kButtonEdges);
    }
    void visit(SpeedButton& button) override {
        fits(button, fltk::captionText(button.caption()), button.bounds().width - kButtonEdges);
    }
    void visit(Edit&) override {}
    void visit(UpDown&) override {}
    void visit(ComboBox& combo) override {
        for (const std::string& item : combo.items())
            fits(combo, fltk::itemText(item), combo.bounds().width - kDropDownArrow);
    }
    void visit(TrackBar&) override {}
    void visit(ListBox&) override {}
    void visit(MainMenu&) override {}
    void visit(MenuItem&) override {}

  private:
    void children(Control& parent) {
        for (Control* child : parent.children())
            child->accept(*this);
    }
    int width(const Control& control, const std::string& text) const {
        const Fl_Widget* w = view_.widgetOf(control);
        fl_font(w->labelfont(), w->labelsize());
        int tw = 0;
        int th = 0;
        fl_measure(text.c_str(), tw, th, 0);
        return tw;
    }
    void fits(const Control& control, const std::string& text, int room) {
        const int needed = width(control, text);
        if (needed > room) report(control, "\"" + text + "\"", needed, room);
    }
    void report(const Control& control, const std::string& what, int needed, int room) {
        cut_.push_back(language_ + ": " + control.name() + ": " + what + " needs " +
                       std::to_string(needed) + " px, has " + std::to_string(room));
    }

    const fltk::FltkView& view_;
    std::string language_;
    std::vector<std::string> cut_;
};

class CaptionsFit : public ::testing::TestWithParam<const char*> {};

TEST_P(CaptionsFit, InEveryWindowAfterALoad) {
    fltk::initialiseToolkit();
    Scenario s;
    s.rememberLanguage(Scenario::shippedLanguage(GetParam()));
    s.installGame(Scenario::sampleConfig());
    s.start();
    fltk::FltkView view(s.program());
    s.user([&] { s.form1().Laden1.click(); });
    Fl::check();
    for (Form* form : s.program().forms()) {
        Fit fit(view, GetParam());
        form->accept(fit);
        for (const std::string& cut : fit.cut())
            ADD_FAILURE() << cut;
    }
}

INSTANTIATE_TEST_SUITE_P(ShippedLanguages, CaptionsFit,
                         ::testing::Values("deutsch.zpr", "english.zpr"));

}  // namespace
}  // namespace torvexa
