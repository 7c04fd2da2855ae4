// The real FLTK view over the headless-started program: after every step of a person's flows,
// every widget must show what its control holds.

// The program first: X11, which FLTK brings in, defines macros named like controls (Button1).
#include "forms/Program.h"

#include <gtest/gtest.h>

#include <cstdio>

#include <FL/Fl.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Menu_Bar.H>
#include <FL/Fl_Menu_Item.H>
#include <FL/Fl_Slider.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>

#include <sstream>

#include "support/Mirror.h"
#include "support/MirrorCases.h"
#include "support/Scenario.h"
#include "ui/Scale.h"
#include "view/fltk/EditableCombo.h"
#include "view/fltk/FixedCombo.h"
#include "view/fltk/FltkView.h"
#include "view/fltk/LabelBox.h"
#include "view/fltk/RowBrowser.h"
#include "view/fltk/Toolkit.h"
#include "view/fltk/WindowHints.h"

namespace torvexa {
namespace {

using namespace fltk;
using test::Scenario;

// What an FLTK widget shows, read by FLTK's rules: it takes UTF-8, draws "@x" as a symbol and
// "@@" as "@", and in buttons, check boxes and menus draws "&x" as an underlined x and "&&" as
// "&". The view's own text functions are not used.
enum class Ampersand { Literal, AccessKey };

std::string fromFltk(const char* label, Ampersand ampersand) {
    const std::string_view text = label ? label : "";
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '@') {
            if (i + 1 < text.size() && text[i + 1] == '@') {
                out += '@';
                ++i;
            } else {
                return out + "<symbol>";
            }
        } else if (text[i] == '&' && ampersand == Ampersand::AccessKey) {
            if (i + 1 < text.size() && text[i + 1] == '&') out += text[++i];
        } else {
            out += text[i];
        }
    }
    return out;
}

class FltkWidgets : public test::MirrorWidgets {
  public:
    FltkWidgets(const FltkView& view, double scale) : view_(view), scale_(scale) {}

    bool exists(const Control& control) const override {
        if (const auto* item = dynamic_cast<const MenuItem*>(&control))
            return view_.menuEntryOf(*item) != nullptr;
        return view_.widgetOf(control) != nullptr;
    }
    bool shown(const Control& control) const override { return widget(control).visible() != 0; }
    bool enabled(const Control& control) const override {
        if (const auto* item = dynamic_cast<const MenuItem*>(&control))
            return view_.menuEntryOf(*item)->active() != 0;
        return widget(control).active() != 0;
    }
    // FLTK places a widget in its window, below the form's menu bar.
    std::optional<Rect> place(const Control& control) const override {
        const Fl_Widget& w = widget(control);
        const Form& form = test::formOf(control);
        const Fl_Widget* bar = form.mainMenu() ? view_.widgetOf(*form.mainMenu()) : nullptr;
        return Rect{w.x(), w.y() - (bar ? bar->h() : 0), w.w(), w.h()};
    }
    double scaleOf(const Form&) const override { return scale_; }
    std::string caption(const Control& control) const override {
        if (const auto* item = dynamic_cast<const MenuItem*>(&control))
            return fromFltk(view_.menuEntryOf(*item)->label(), Ampersand::AccessKey);
        const Fl_Widget& w = widget(control);
        if (dynamic_cast<const Form*>(&control)) return text(w.label());
        const bool button = dynamic_cast<const Fl_Button*>(&w) != nullptr;
        return fromFltk(w.label(), button ? Ampersand::AccessKey : Ampersand::Literal);
    }
    bool checked(const Control& control) const override {
        return as<Fl_Button>(control).value() != 0;
    }
    std::string text(const Control& control) const override {
        if (dynamic_cast<const Label*>(&control)) return as<LabelBox>(control).path();
        if (dynamic_cast<const ComboBox*>(&control))
            return text(as<EditableCombo>(control).input().value());
        return text(as<Fl_Input>(control).value());
    }
    std::vector<std::string> items(const ComboBox& combo) const override {
        if (combo.style() == ComboBox::Style::Editable)
            return as<EditableCombo>(combo).shownItems();
        std::vector<std::string> shown;
        for (const Fl_Menu_Item* m = as<FixedCombo>(combo).menu(); m && m->label(); ++m)
            shown.push_back(fromFltk(m->label(), Ampersand::AccessKey));
        return shown;
    }
    std::optional<std::vector<std::string>> listRows(const ComboBox& combo) const override {
        if (combo.style() == ComboBox::Style::Editable) return std::nullopt;
        return as<FixedCombo>(combo).shownItems();
    }
    int selected(const Control& control) const override {
        if (dynamic_cast<const ListBox*>(&control)) return as<RowBrowser>(control).value() - 1;
        return as<FixedCombo>(control).value();
    }
    int position(const TrackBar& track) const override {
        return static_cast<int>(as<Fl_Slider>(track).value());
    }
    std::vector<std::string> rows(const ListBox& list) const override {
        RowBrowser& b = as<RowBrowser>(list);
        std::vector<std::string> shown;
        for (int i = 1; i <= b.size(); ++i)
            shown.push_back(text(b.text(i)));
        return shown;
    }
    int firstRowShown(const ListBox& list) const override {
        return as<RowBrowser>(list).firstShownRow();
    }

  private:
    static std::string text(const char* s) { return s ? s : ""; }
    Fl_Widget& widget(const Control& control) const { return *view_.widgetOf(control); }
    template <typename W>
    W& as(const Control& control) const {
        return dynamic_cast<W&>(widget(control));
    }

    const FltkView& view_;
    double scale_;
};

// At the scales of today's screens: 100 %, 150 % and 200 %.
class ViewMirrorsModel : public ::testing::TestWithParam<double>, public test::MirrorFlow {
  protected:
    ViewMirrorsModel() {
        initialiseToolkit(GetParam());
        s.rememberLanguage(Scenario::shippedLanguage("deutsch.zpr"));
        s.installGame(Scenario::sampleConfig());
        s.start();
        view = std::make_unique<FltkView>(s.program(), GetParam());
        check("start");
    }
    ~ViewMirrorsModel() override { view.reset(); }

    Scenario& scenario() override { return s; }
    void userStep(const std::string& name, const std::function<void()>& action) override {
        step(name, action);
    }
    TForm1& f() { return s.form1(); }
    Fl_Widget* widget(const Control& control) { return view->widgetOf(control); }
    // A person's action, then a look at every window.
    void step(const std::string& name, const std::function<void()>& action) {
        s.user(action);
        check(name);
    }
    void check(const std::string& name) {
        Fl::check();
        const FltkWidgets widgets(*view, GetParam());
        for (Form* form : s.program().forms()) {
            test::Mirror mirror(widgets, name);
            form->accept(mirror);
            for (const std::string& m : mirror.mismatches())
                ADD_FAILURE() << m;
        }
    }

    Scenario s;
    std::unique_ptr<FltkView> view;
};

TORVEXA_MIRROR_CASES(TEST_P, ViewMirrorsModel)

TEST_P(ViewMirrorsModel, TheManualPagesListsMoveTogetherByBarWheelAndKeys) {
    step("load the sample", [&] { f().Laden1.click(); });
    step("show the manual page", [&] { f().SpeedButton9.click(); });
    const auto browser = [&](ListBox& list) { return dynamic_cast<RowBrowser*>(widget(list)); };
    const auto shownTops = [&] {
        return std::vector<int>{browser(f().ListBox5)->firstShownRow(),
                                browser(f().ListBox1)->firstShownRow(),
                                browser(f().ListBox4)->firstShownRow()};
    };
    int row = 10;
    for (ListBox* list : {&f().ListBox4, &f().ListBox1, &f().ListBox5}) {
        RowBrowser& b = *browser(*list);
        RowBrowser& bar = *browser(f().ListBox4);  // the one bar of the three
        bar.scrollbar.value(row * scaled(ListBox::kRowHeight, GetParam()) + 5);  // between rows
        bar.scrollbar.do_callback();
        check("drag the bar");
        EXPECT_EQ(shownTops(), std::vector<int>(3, row)) << list->name();
        const int before = b.firstShownRow();
        Fl::e_dy = 1;
        static_cast<Fl_Widget&>(b).handle(FL_MOUSEWHEEL);
        check("turn the wheel over " + list->name());
        EXPECT_GT(b.firstShownRow(), before) << list->name();
        EXPECT_EQ(shownTops(), std::vector<int>(3, b.firstShownRow())) << list->name();
        row += 20;
    }
    RowBrowser& comments = *browser(f().ListBox4);
    step("select row 3 by comment", [&] { f().ListBox4.select(3); });
    Fl::e_keysym = FL_Down;
    for (int i = 0; i < 15; ++i)
        static_cast<Fl_Widget&>(comments).handle(FL_KEYBOARD);
    check("Down 15 times in the comments");
    EXPECT_EQ(f().ListBox1.itemIndex(), 18);
    EXPECT_EQ(shownTops(), std::vector<int>(3, comments.firstShownRow()));
    // The last row that can be the first shown is the same in the three, whatever their frames.
    EXPECT_EQ(
        (std::vector<int>{browser(f().ListBox5)->lastTopRow(), browser(f().ListBox1)->lastTopRow(),
                          browser(f().ListBox4)->lastTopRow()}),
        std::vector<int>(3, browser(f().ListBox1)->lastTopRow()));
    // End, PageUp and Home in each list: the three show the same rows, drawn.
    for (ListBox* list : {&f().ListBox4, &f().ListBox1, &f().ListBox5}) {
        for (const int key : {FL_End, FL_Page_Up, FL_Home, FL_End}) {
            Fl::e_keysym = key;
            static_cast<Fl_Widget&>(*browser(*list)).handle(FL_KEYBOARD);
            widget(f())->redraw();
            check("key " + std::to_string(key) + " in " + list->name());
            EXPECT_EQ(shownTops(), std::vector<int>(3, browser(*list)->firstShownRow()))
                << list->name() << " after key " << key;
        }
    }
}

// The three lists share the comments' scroll bar, which scales with the rows and letters beside
// it, as every other part of the window.
TEST_P(ViewMirrorsModel, OneScrollBarAsWideAsTheScaleMakesIt) {
    step("load the sample", [&] { f().Laden1.click(); });
    step("show the manual page", [&] { f().SpeedButton9.click(); });
    const int wide = scaled(16, GetParam());
    auto& comments = dynamic_cast<RowBrowser&>(*widget(f().ListBox4));
    // A list places its bar when it is drawn, once the shown window is on the screen.
    widget(f())->show();
    for (int i = 0; i < 100 && comments.scrollbar.w() != wide; ++i)
        Fl::wait(0.02);
    EXPECT_EQ(comments.scrollbar.w(), wide);
    EXPECT_EQ(comments.scrollbar.x() + comments.scrollbar.w(),
              comments.x() + comments.w() - Fl::box_dw(comments.box()) / 2);
    for (ListBox* list : {&f().ListBox5, &f().ListBox1})
        EXPECT_FALSE(dynamic_cast<RowBrowser&>(*widget(*list)).scrollbar.visible()) << list->name();
    widget(f())->hide();
}

// A file of 20,000 lines loads with the manual page on view (the same measure in the Windows
// view tests; scripts/test prints the two side by side).
TEST_P(ViewMirrorsModel, ALargeFileLoadsWithoutARedrawPerRow) {
    if (GetParam() != 1.0) GTEST_SKIP() << "measured at 100 %";
    const auto took = s.timedLoadsOnManualPage([] { Fl::check(); });
    std::printf("LOAD_MS linux %.0f %.0f\n", took.sample, took.large);
    EXPECT_LT(took.large, 2 * took.sample + 100) << "each row costs the load";
    check("the large file loaded");
}

// The Info page's path in its place, however long the prefix: broken only after a separator,
// never more lines than the place holds, the file name always on view, the whole as tooltip.
TEST_P(ViewMirrorsModel, TheInfoPagesPathKeepsItsEndInItsPlace) {
    const std::string steam =
        "/home/anna/.local/share/Steam/steamapps/compatdata/2160/pfx/drive_c/"
        "Program Files (x86)/Infogrames/Grand Prix 4/f1graphics.cfg";
    const std::string bottles =
        "/home/\xD0\x90\xD0\xBD\xD0\xBD\xD0\xB0/.var/app/com.usebottles.bottles/data/"
        "bottles/bottles/Grand-Prix-4/drive_c/Program Files (x86)/Infogrames/Grand Prix 4/"
        "f1graphics.cfg";
    // A game's folder wider than the place: it breaks after its blanks, and stays.
    const std::string spanish =
        "/home/anna/.wine/drive_c/Program Files/Infogrames Juegos/"
        "Grand Prix 4 Edici\xC3\xB3n Coleccionista/f1graphics.cfg";
    auto& label = dynamic_cast<LabelBox&>(*widget(f().ConfigPathLabel));
    for (const std::string& path : {steam, bottles, spanish}) {
        step("a game in a long prefix", [&] { f().ConfigPathLabel.setCaption(path); });
        const std::vector<std::string> lines = label.pathLinesShown();
        ASSERT_FALSE(lines.empty());
        EXPECT_LE(static_cast<int>(lines.size()) * fl_height(), label.h()) << path;
        EXPECT_TRUE(lines.front().starts_with("/home/")) << lines.front();
        EXPECT_EQ(lines.back(), "f1graphics.cfg");
        for (std::size_t i = 0; i + 1 < lines.size(); ++i)
            EXPECT_TRUE(lines[i].back() == '/' || lines[i].back() == ' ')
                << "broken inside a word: " << lines[i];
        std::string shown;
        for (const std::string& line : lines)
            shown += line;
        if (path == bottles) {
            EXPECT_NE(shown.find("/Grand-Prix-4/"), std::string::npos) << shown;
        }
        if (path == spanish) {
            EXPECT_NE(shown.find("/Grand Prix 4 Edici\xC3\xB3n Coleccionista/"), std::string::npos)
                << shown;
        }
        // The tooltip: the whole path, broken only after a separator.
        ASSERT_NE(label.tooltip(), nullptr);
        std::string tip = label.tooltip();
        for (std::size_t end = tip.find('\n'); end != std::string::npos; end = tip.find('\n')) {
            EXPECT_EQ(tip[end - 1], '/') << "the tooltip breaks inside a name: " << tip;
            tip.erase(end, 1);
        }
        EXPECT_EQ(tip, path);
    }
}

TEST_P(ViewMirrorsModel, AFieldShowsWhatItHoldsAfterRefusedTypingAndWhenLeft) {
    step("load the sample", [&] { f().Laden1.click(); });
    step("show Allgemein", [&] { f().SpeedButton4.click(); });
    if (!f().CheckBox20.checked()) step("tick CheckBox20", [&] { f().CheckBox20.click(); });
    ASSERT_TRUE(f().Edit3.enabled());
    const std::string held = f().Edit3.text();
    auto& number = dynamic_cast<Fl_Input&>(*widget(f().Edit3));
    number.value((held + "a").c_str());
    number.do_callback();
    check("type a letter into Edit3");
    EXPECT_EQ(number.value(), held);
    step("show Grafikqualitaet", [&] { f().SpeedButton5.click(); });
    auto& resolution = dynamic_cast<EditableCombo&>(*widget(f().aufloesung));
    const std::string before = f().aufloesung.text();
    resolution.input().value("big");
    resolution.input().do_callback();
    check("type big into the resolution");
    EXPECT_EQ(f().aufloesung.text(), "big");
    resolution.input().handle(FL_UNFOCUS);
    check("leave the resolution");
    EXPECT_EQ(resolution.input().value(), before);
}

// A menu leaves room after its longest item's text at every scale, as Windows menus do: FLTK
// adds only a fixed few pixels to what an item measures.
TEST_P(ViewMirrorsModel, MenuItemsMeasureWithRoomAfterTheirText) {
    const auto* bar = dynamic_cast<const Fl_Menu_Bar*>(widget(*f().mainMenu()));
    ASSERT_NE(bar, nullptr);
    int items = 0;
    for (const Fl_Menu_Item* item = bar->menu(); item && item != bar->menu() + bar->size();
         ++item) {
        if (!item->label() || item->submenu()) continue;
        int height = 0;
        const int measured = item->measure(&height, bar);
        fl_font(bar->textfont(), bar->textsize());
        EXPECT_GE(measured - static_cast<int>(fl_width(item->label())), scaled(4, GetParam()))
            << item->label();
        ++items;
    }
    EXPECT_GT(items, 5);
}

// Each window opens wholly inside the screen's work area with the frame a desktop gives it, at
// its designed place where that fits (scripts/test runs this on 1280x800 and 1920x1200 too).
TEST_P(ViewMirrorsModel, EveryWindowOpensInsideTheWorkAreaWithItsFrame) {
    step("load", [&] { f().Laden1.click(); });
    step("show the presets", [&] { f().f1graphicscfgoptimieren1.click(); });
    step("show Objekte", [&] { f().SpeedButton6.click(); });
    step("tint on", [&] { f().CheckBox7.setChecked(true); });
    step("open the tint dialog", [&] { f().SpeedButton12.click(); });
    int areaX = 0, areaY = 0, areaW = 0, areaH = 0;
    Fl::screen_work_area(areaX, areaY, areaW, areaH);
    for (Form* form : s.program().forms()) {
        Fl_Window& w = *widget(*form)->as_window();
        // Where the X server has it: a window manager that frames it (Weston's, in the Wayland
        // session) need not tell FLTK.
        int x = 0;
        int y = 0;
        screenPositionOf(w, x, y);
        const bool framed = framedByWindowManager(w);
        if (framed) {
            // The window manager's frame is its own, and wider in Weston than the frame the
            // placement allows for: the window starts on the screen and would fit on it.
            EXPECT_GE(x, areaX) << form->name();
            EXPECT_GE(y, areaY) << form->name();
            EXPECT_LE(w.w(), areaW) << form->name();
            EXPECT_LE(w.h(), areaH) << form->name();
            continue;
        }
        const FrameSize frame = desktopFrame(GetParam());
        EXPECT_GE(x - frame.left, areaX) << form->name();
        EXPECT_GE(y - frame.top, areaY) << form->name();
        EXPECT_LE(x + w.w() + frame.right, areaX + areaW) << form->name();
        EXPECT_LE(y + w.h() + frame.bottom, areaY + areaH) << form->name();
        const Rect designed = scaledRect(form->bounds(), GetParam());
        const bool fits = designed.left + designed.width + frame.right <= areaX + areaW &&
                          designed.top + w.h() + frame.bottom <= areaY + areaH;
        if (fits) {
            EXPECT_EQ(x * 1000 + y, designed.left * 1000 + designed.top) << form->name();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Scales, ViewMirrorsModel, ::testing::Values(1.0, 1.5, 2.0),
                         [](const ::testing::TestParamInfo<double>& scale) {
                             return "at" + std::to_string(static_cast<int>(scale.param * 100));
                         });

}  // namespace
}  // namespace torvexa
