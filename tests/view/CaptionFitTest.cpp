// Every caption and every drop-down item fits the room its control gives it, measured with the
// font FLTK draws it in, in both shipped languages; a label that grows with its caption runs
// into no control beside it.

// The program first: X11, which FLTK brings in, defines macros named like controls (Button1).
#include "forms/Program.h"

#include <gtest/gtest.h>

#include <FL/Fl.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Widget.H>
#include <FL/fl_draw.H>

#include <algorithm>
#include <cstdlib>
#include <tuple>

#include "support/LabelRoom.h"
#include "support/Scenario.h"
#include "ui/Scale.h"
#include "view/fltk/FltkView.h"
#include "view/fltk/Fonts.h"
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

class Fit : public ControlVisitor {
  public:
    Fit(const fltk::FltkView& view, std::string language, double scale)
        : view_(view), language_(language + " at " + std::to_string(scale)), scale_(scale) {}
    const std::vector<std::string>& cut() const { return cut_; }

    void visit(Form& form) override { children(form); }
    void visit(Panel& panel) override { children(panel); }
    void visit(GroupBox& group) override {
        fits(group, fltk::captionText(group.caption()), room(group, kGroupCaptionInset));
        children(group);
    }
    void visit(Label& label) override {
        const std::string text = fltk::boxCaptionText(label.caption());
        if (label.look().wordWrap) {
            const Fl_Widget* w = view_.widgetOf(label);
            fl_font(w->labelfont(), w->labelsize());
            int width = w->w();
            int height = 0;
            fl_measure(text.c_str(), width, height, 0);
            if (height > w->h() + scaled(2, scale_))
                report(label, "wrapped height", height, w->h());
            return;
        }
        if (label.look().fixedSize) {
            fits(label, text, room(label, 0));
            return;
        }
        // A growing label must stop before the next control on its row.
        const Rect l = at(label);
        const int right = l.left + width(label, text);
        const int gap = scaled(test::kLabelGap, scale_);
        for (const Control* other : label.parent()->children()) {
            if (other == &label || !other->visible()) continue;
            const Rect r = at(*other);
            if (test::runsInto(l, right, r, gap))
                report(label, "runs into " + other->name(), right + gap, r.left);
        }
    }
    void visit(Shape&) override {}
    void visit(CheckBox& box) override {
        fits(box, fltk::captionText(box.caption()), room(box, kCheckMark));
    }
    void visit(RadioButton& radio) override {
        fits(radio, fltk::captionText(radio.caption()), room(radio, kRadioMark));
    }
    void visit(Button& button) override {
        fits(button, fltk::captionText(button.caption()), room(button, kButtonEdges));
    }
    void visit(SpeedButton& button) override {
        fits(button, fltk::captionText(button.caption()), room(button, kButtonEdges));
    }
    // A number field shows the largest number its up-down gives it whole: FLTK scrolls a text
    // that does not leave 4 pixels after it.
    void visit(Edit& edit) override {
        if (!edit.upDown()) return;
        const auto* w = dynamic_cast<const Fl_Input*>(view_.widgetOf(edit));
        const std::string widest = std::to_string(edit.upDown()->max());
        fl_font(w->textfont(), w->textsize());
        const int needed = static_cast<int>(fl_width(widest.c_str())) + 4;
        const int room = w->w() - Fl::box_dw(w->box());
        if (needed > room) report(edit, "\"" + widest + "\"", needed, room);
    }
    void visit(UpDown&) override {}
    void visit(ComboBox& combo) override {
        for (const std::string& item : combo.items())
            fits(combo, fltk::itemText(item), room(combo, kDropDownArrow));
    }
    void visit(TrackBar&) override {}
    void visit(ListBox&) override {}
    void visit(MainMenu&) override {}
    void visit(MenuItem&) override {}

  private:
    // Where the control is on the screen, and the room its widget leaves for text when the
    // control takes `taken` layout pixels for itself.
    Rect at(const Control& control) const {
        const Fl_Widget* w = view_.widgetOf(control);
        return {w->x(), w->y(), w->w(), w->h()};
    }
    int room(const Control& control, int taken) const {
        return at(control).width - scaled(taken, scale_);
    }
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
    double scale_;
    std::vector<std::string> cut_;
};

// "francais_at_125": a test's file and scale, so that one language's can be chosen.
std::string fileAndScale(const ::testing::TestParamInfo<std::tuple<std::string, double>>& test) {
    const std::string& file = std::get<0>(test.param);
    return file.substr(0, file.find('.')) + "_at_" +
           std::to_string(static_cast<int>(std::get<1>(test.param) * 100));
}

// Every shipped language at 96, 120, 144 and 192 dpi.
class CaptionsFit : public ::testing::TestWithParam<std::tuple<std::string, double>> {};

TEST_P(CaptionsFit, InEveryWindowAfterALoad) {
    const auto [language, scale] = GetParam();
    // The fonts a program brings itself (the portable archive's), as it registers them.
    static const bool ownFonts = [] {
        const char* folder = std::getenv("TORVEXA_TEST_OWN_FONTS");
        if (folder) fltk::useOwnFonts(folder);
        return folder != nullptr;
    }();
    (void)ownFonts;
    fltk::initialiseToolkit(scale);
    Scenario s;
    s.rememberLanguage(Scenario::shippedLanguage(language));
    s.installGame(Scenario::sampleConfig());
    s.start();
    fltk::FltkView view(s.program(), scale);
    s.user([&] { s.form1().Laden1.click(); });
    // Every slider at its end, so that the numbers beside them are their widest.
    for (TrackBar* slider : {&s.form1().TrackBar1, &s.form1().TrackBar2, &s.form1().TrackBar3,
                             &s.program().form3().TrackBar1})
        s.user([&] { slider->scroll(slider->max()); });
    Fl::check();
    for (Form* form : s.program().forms()) {
        Fit fit(view, language, scale);
        form->accept(fit);
        for (const std::string& cut : fit.cut())
            ADD_FAILURE() << cut;
    }
}

INSTANTIATE_TEST_SUITE_P(ShippedLanguages, CaptionsFit,
                         ::testing::Combine(::testing::ValuesIn(test::shippedLanguageFiles()),
                                            ::testing::Values(1.0, 1.25, 1.5, 2.0)),
                         fileAndScale);

}  // namespace
}  // namespace torvexa
