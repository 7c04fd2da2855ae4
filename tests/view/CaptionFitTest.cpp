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

#include "support/CaptionFit.h"
#include "support/Scenario.h"
#include "ui/Scale.h"
#include "view/fltk/FltkView.h"
#include "view/fltk/Fonts.h"
#include "view/fltk/Text.h"
#include "view/fltk/Toolkit.h"

namespace torvexa {
namespace {

using test::Scenario;

// How FLTK draws a control: the room a control's own parts take (the box of a check box and its
// gap, a button's edges, a drop-down's arrow and its text field's margins, the 4 pixels FLTK
// keeps after a field's text before it scrolls, a row's insets), in layout pixels.
constexpr int kCheckMark = 11 + 4 + 3;
constexpr int kRadioMark = 13 + 5;
constexpr int kButtonEdges = 6;
constexpr int kDropDownArrow = 17 + 6;
constexpr int kGroupCaptionInset = 16;
constexpr int kTextEnd = 4;

class FltkWidgets : public test::FitWidgets {
  public:
    FltkWidgets(const fltk::FltkView& view, double scale) : view_(view), scale_(scale) {}

    Rect at(const Control& control) const override {
        const Fl_Widget* w = view_.widgetOf(control);
        return {w->x(), w->y(), w->w(), w->h()};
    }
    int captionWidth(const Control& control) const override {
        const bool box = dynamic_cast<const Label*>(&control);
        return measured(control, box ? fltk::boxCaptionText(control.caption())
                                     : fltk::captionText(control.caption()));
    }
    int textWidth(const Control& control, const std::string& text) const override {
        if (dynamic_cast<const ComboBox*>(&control)) return measured(control, fltk::itemText(text));
        const auto* w = view_.widgetOf(control);
        const auto* input = dynamic_cast<const Fl_Input*>(w);
        fl_font(input ? input->textfont() : w->labelfont(),
                input ? input->textsize() : w->labelsize());
        return static_cast<int>(fl_width(text.c_str()));
    }
    int room(const Control& control) const override {
        const Fl_Widget* w = view_.widgetOf(control);
        const auto taken = [&](int pixels) { return w->w() - scaled(pixels); };
        if (dynamic_cast<const CheckBox*>(&control)) return taken(kCheckMark);
        if (dynamic_cast<const RadioButton*>(&control)) return taken(kRadioMark);
        if (dynamic_cast<const Button*>(&control) || dynamic_cast<const SpeedButton*>(&control))
            return taken(kButtonEdges);
        if (dynamic_cast<const ComboBox*>(&control)) return taken(kDropDownArrow);
        if (dynamic_cast<const GroupBox*>(&control)) return taken(kGroupCaptionInset);
        if (dynamic_cast<const Edit*>(&control) || dynamic_cast<const ListBox*>(&control))
            return w->w() - Fl::box_dw(w->box()) - kTextEnd;
        return w->w();
    }
    std::optional<int> wrappedHeight(const Label& label) const override {
        const Fl_Widget* w = view_.widgetOf(label);
        fl_font(w->labelfont(), w->labelsize());
        int width = w->w();
        int height = 0;
        fl_measure(fltk::boxCaptionText(label.caption()).c_str(), width, height, 0);
        return height;
    }
    int scaled(int layoutPixels) const override { return torvexa::scaled(layoutPixels, scale_); }

  private:
    int measured(const Control& control, const std::string& text) const {
        const Fl_Widget* w = view_.widgetOf(control);
        fl_font(w->labelfont(), w->labelsize());
        int tw = 0;
        int th = 0;
        fl_measure(text.c_str(), tw, th, 0);
        return tw;
    }

    const fltk::FltkView& view_;
    double scale_;
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
    const FltkWidgets widgets(view, scale);
    for (Form* form : s.program().forms()) {
        test::CaptionFit fit(widgets, language + " at " + std::to_string(scale));
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
