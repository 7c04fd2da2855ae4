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

#include <iconv.h>

#include <sstream>

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

// What a person reads, worked out on both sides and compared: from the widget's label by
// FLTK's rules (it takes UTF-8, draws "@x" as a symbol and "@@" as "@", and in buttons, check
// boxes and menus draws "&x" as an underlined x and "&&" as "&"), and from the model's program
// text by the rules the layout was made for (Windows-1252, converted here by iconv; "&x" an
// underlined x and "&&" one "&" in captions, every "&" as it stands in items and fields).
// Neither side uses the view's text functions.
namespace reads {

std::string utf8(std::string_view windows1252) {
    iconv_t convert = iconv_open("UTF-8", "CP1252");
    std::string in(windows1252);
    std::string out(in.size() * 3 + 1, '\0');
    char* from = in.data();
    char* to = out.data();
    std::size_t left = in.size();
    std::size_t room = out.size();
    iconv(convert, &from, &left, &to, &room);
    iconv_close(convert);
    out.resize(out.size() - room);
    return out;
}

// A caption's access-key marks read: "&&" is one "&", a lone "&" only underlines.
std::string withoutAccessMarks(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '&')
            out += text[i];
        else if (i + 1 < text.size() && text[i + 1] == '&')
            out += text[++i];
    }
    return out;
}

enum class Ampersand { Literal, AccessKey };

// What FLTK draws for a label; a symbol shows as "<symbol>", never as the person's text.
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

// What the model's text shows a person: a caption, or a text as it stands.
std::string caption(std::string_view programText) { return utf8(withoutAccessMarks(programText)); }
std::string asItStands(std::string_view programText) { return utf8(programText); }

}  // namespace reads

// Walks the controls and compares each with the widget that shows it.
class Mirror : public ControlVisitor {
  public:
    Mirror(const FltkView& view, std::string step, double scale)
        : view_(view), step_(std::move(step)), scale_(scale) {}

    const std::vector<std::string>& mismatches() const { return mismatches_; }

    void visit(Form& form) override {
        auto* window = widget<Fl_Window>(form);
        if (!window) return;
        same(form, "shown", window->visible() != 0, form.visible());
        same(form, "title", text(window->label()), reads::asItStands(form.caption()));
        children(form);
    }
    void visit(Panel& panel) override {
        common(panel);
        children(panel);
    }
    void visit(GroupBox& group) override {
        if (auto* w = common(group))
            same(group, "caption", reads::fromFltk(w->label(), reads::Ampersand::Literal),
                 reads::asItStands(group.caption()));
        children(group);
    }
    void visit(Label& label) override {
        auto* w = common<LabelBox>(label);
        if (!w) return;
        if (label.look().path)
            same(label, "path", w->path(), label.caption());
        else
            same(label, "caption", reads::fromFltk(w->label(), reads::Ampersand::Literal),
                 reads::caption(label.caption()));
    }
    void visit(Shape& shape) override { common(shape); }
    void visit(CheckBox& box) override {
        if (auto* w = common<Fl_Button>(box)) {
            same(box, "caption", reads::fromFltk(w->label(), reads::Ampersand::AccessKey),
                 reads::caption(box.caption()));
            same(box, "checked", w->value() != 0, box.checked());
        }
    }
    void visit(RadioButton& radio) override {
        if (auto* w = common<Fl_Button>(radio)) {
            same(radio, "caption", reads::fromFltk(w->label(), reads::Ampersand::AccessKey),
                 reads::caption(radio.caption()));
            same(radio, "checked", w->value() != 0, radio.checked());
        }
    }
    void visit(Button& button) override { buttonLike(button); }
    void visit(SpeedButton& button) override { buttonLike(button); }
    void visit(Edit& edit) override {
        if (auto* w = common<Fl_Input>(edit))
            same(edit, "text", text(w->value()), reads::asItStands(edit.text()));
    }
    void visit(UpDown& updown) override { common(updown); }
    void visit(ComboBox& combo) override {
        if (combo.style() == ComboBox::Style::Editable) {
            auto* w = common<EditableCombo>(combo);
            if (!w) return;
            same(combo, "text", text(w->input().value()), reads::asItStands(combo.text()));
            listRows(combo, w->shownItems());
        } else {
            auto* w = common<FixedCombo>(combo);
            if (!w) return;
            same(combo, "selected item", w->value(), combo.itemIndex());
            items(combo, w->menu());
            listRows(combo, w->shownItems());
        }
    }
    void visit(TrackBar& track) override {
        if (auto* w = common<Fl_Slider>(track))
            same(track, "position", static_cast<int>(w->value()), track.position());
    }
    void visit(ListBox& list) override {
        auto* w = common<RowBrowser>(list);
        if (!w) return;
        const Rows& rows = list.items();
        same(list, "row count", w->size(), static_cast<int>(rows.size()));
        for (int i = 0; i < std::min(w->size(), static_cast<int>(rows.size())); ++i)
            same(list, "row " + std::to_string(i), text(w->text(i + 1)),
                 reads::asItStands(rows[static_cast<std::size_t>(i)]));
        same(list, "selected row", w->value() - 1, list.itemIndex());
        if (!rows.empty()) same(list, "first row shown", w->firstShownRow(), list.topIndex());
    }
    void visit(MainMenu& menu) override {
        if (!view_.widgetOf(menu)) missing(menu);
        children(menu);
    }
    void visit(MenuItem& item) override {
        const Fl_Menu_Item* entry = view_.menuEntryOf(item);
        if (!entry) return missing(item);
        same(item, "caption", reads::fromFltk(entry->label(), reads::Ampersand::AccessKey),
             reads::caption(item.caption()));
        same(item, "enabled", entry->active() != 0, item.enabled());
        children(item);
    }

  private:
    static std::string text(const char* s) { return s ? s : ""; }

    template <typename W = Fl_Widget>
    W* widget(const Control& control) {
        Fl_Widget* w = view_.widgetOf(control);
        if (!w) missing(control);
        return dynamic_cast<W*>(w);
    }
    template <typename W = Fl_Widget>
    W* common(const Control& control) {
        W* w = widget<W>(control);
        if (!w) return nullptr;
        const Fl_Widget& shown = *w;
        same(control, "visible", shown.visible() != 0, control.visible());
        same(control, "enabled", shown.active() != 0, control.enabled());
        placed(control, shown);
        return w;
    }
    // Where the layout puts it, at the view's scale: its rectangle in the window, each edge
    // scaled, below the menu bar. A label that grows with its caption may be wider.
    void placed(const Control& control, const Fl_Widget& shown) {
        Rect layout = control.bounds();
        const Control* top = &control;
        for (const Control* up = control.parent(); up; up = up->parent()) {
            top = up;
            if (!up->parent()) break;  // the form's own bounds are its place on the screen
            layout.left += up->bounds().left;
            layout.top += up->bounds().top;
        }
        const auto* form = dynamic_cast<const Form*>(top);
        Rect expected = scaledRect(layout, scale_);
        expected.top += form && form->mainMenu() ? scaled(kMenuBar, scale_) : 0;
        const auto* label = dynamic_cast<const Label*>(&control);
        const bool grows = label && !label->look().fixedSize && !label->look().path;
        const int width = grows ? std::min(shown.w(), expected.width) : shown.w();
        same(control, "place", Rect{shown.x(), shown.y(), width, shown.h()}, expected);
    }
    void children(Control& parent) {
        for (Control* child : parent.children())
            child->accept(*this);
    }
    void buttonLike(Button& button) {
        if (auto* w = common(button))
            same(button, "caption", reads::fromFltk(w->label(), reads::Ampersand::AccessKey),
                 reads::caption(button.caption()));
    }
    void items(const ComboBox& combo, const Fl_Menu_Item* menu) {
        std::vector<std::string> shown;
        for (const Fl_Menu_Item* m = menu; m && m->label(); ++m)
            shown.push_back(reads::fromFltk(m->label(), reads::Ampersand::AccessKey));
        std::vector<std::string> expected;
        for (const std::string& item : combo.items())
            expected.push_back(reads::asItStands(item));
        same(combo, "items", shown, expected);
    }
    // The rows the drop-down's open list shows.
    void listRows(const ComboBox& combo, const std::vector<std::string>& rows) {
        std::vector<std::string> shown;
        for (const std::string& row : rows)
            shown.push_back(text(row.c_str()));
        std::vector<std::string> expected;
        for (const std::string& item : combo.items())
            expected.push_back(reads::asItStands(item));
        same(combo, "list rows", shown, expected);
    }
    void missing(const Control& control) {
        mismatches_.push_back(step_ + ": " + control.name() + ": no widget");
    }
    template <typename T>
    void same(const Control& control, const std::string& what, const T& shown, const T& held) {
        if (shown == held) return;
        std::ostringstream out;
        out << step_ << ": " << control.name() << ": " << what << " shows " << printed(shown)
            << ", the model holds " << printed(held);
        mismatches_.push_back(out.str());
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

    static constexpr int kMenuBar = 20;  // the menu bar's height in the layout

    const FltkView& view_;
    std::string step_;
    double scale_;
    std::vector<std::string> mismatches_;
};

// At the scales of today's screens: 100 %, 150 % and 200 %.
class ViewMirrorsModel : public ::testing::TestWithParam<double> {
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

    TForm1& f() { return s.form1(); }
    Fl_Widget* widget(const Control& control) { return view->widgetOf(control); }
    // A person's action, then a look at every window.
    void step(const std::string& name, const std::function<void()>& action) {
        s.user(action);
        check(name);
    }
    void check(const std::string& name) {
        Fl::check();
        for (Form* form :
             {static_cast<Form*>(&s.program().form1()), static_cast<Form*>(&s.program().form2()),
              static_cast<Form*>(&s.program().form3())}) {
            Mirror mirror(*view, name, GetParam());
            form->accept(mirror);
            for (const std::string& m : mirror.mismatches())
                ADD_FAILURE() << m;
        }
    }

    Scenario s;
    std::unique_ptr<FltkView> view;
};

TEST_P(ViewMirrorsModel, LoadingAndEditingByHand) {
    step("load the sample", [&] { f().Laden1.click(); });
    step("show the manual page", [&] { f().SpeedButton9.click(); });
    step("select row 5", [&] { f().ListBox1.select(5); });
    step("type a value", [&] { f().edit1.type("3"); });
    step("apply it", [&] { f().SpeedButton10.click(); });
    step("scroll the comments", [&] { f().ListBox4.scrollTo(100); });
    step("select row 150 by number", [&] { f().ListBox5.select(150); });
    step("select row 20 by comment", [&] { f().ListBox4.select(20); });
    for (SpeedButton* page : {&f().SpeedButton4, &f().SpeedButton5, &f().SpeedButton6})
        step("show page " + page->name(), [page] { page->click(); });
}

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
// it, as every other part of the window; the line numbers of a file of a million lines fit.
TEST_P(ViewMirrorsModel, OneScrollBarAsWideAsTheScaleMakesItAndTheNumbersFit) {
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
    const Fl_Widget& numbers = *widget(f().ListBox5);
    fl_font(FL_HELVETICA, scaledFont(f().ListBox5.font().height, GetParam()));
    const int needed = static_cast<int>(fl_width("999999")) + 6;  // a row's text insets
    EXPECT_LE(needed, numbers.w() - Fl::box_dw(numbers.box()));
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

TEST_P(ViewMirrorsModel, TextsWithMarkupCharactersShowLiterally) {
    // A translation whose captions and items hold what toolkits read as markup or formats.
    std::vector<std::string> entries;
    std::istringstream shipped(test::readBytes(Scenario::shippedLanguage("deutsch.zpr")));
    for (std::string line; std::getline(shipped, line);)
        entries.push_back(line);
    entries[10] = "@C4 & 100% %s\r";  // a check box
    entries[29] = "R&D @-> 5%\r";     // an item of a fixed drop-down
    entries[41] = "@@ && & %d\r";     // a label
    entries[55] = "&Apply @2x\r";     // a flat button
    entries[79] = "Sprache @home\r";  // the Info page's button
    std::string content;
    for (const std::string& entry : entries)
        content += entry + "\n";
    s.dialogs.fileAnswers.push_back(s.writeLanguage("markup.zpr", content));
    step("choose the marked-up language", [&] { f().SpeedButton11.click(); });
    ASSERT_EQ(f().CheckBox3.caption(), "@C4 & 100% %s");
    ASSERT_EQ(f().ComboBox4.items()[0], "R&D @-> 5%");
    step("load", [&] { f().Laden1.click(); });
    step("show Allgemein", [&] { f().SpeedButton4.click(); });
    step("show Objekte", [&] { f().SpeedButton6.click(); });
    step("pick the marked-up item", [&] { f().ComboBox4.pick(0); });
    step("show the manual page", [&] { f().SpeedButton9.click(); });
}

TEST_P(ViewMirrorsModel, ALoadWhoseSecondPassChangesNothing) {
    std::string sample = Scenario::sampleConfig();
    // Lines 1, 4, 6, 28, 44 and 51 at 0: the second pass finds every control as it left it.
    std::istringstream lines(sample);
    std::string content;
    int n = 1;
    for (std::string line; std::getline(lines, line); ++n) {
        const bool zero = n == 1 || n == 4 || n == 6 || n == 28 || n == 44 || n == 51;
        content += zero ? "0" + line.substr(line.find_first_not_of("0123456789")) : line;
        content += '\n';
    }
    s.installGame(content);
    step("load", [&] { f().Laden1.click(); });
    EXPECT_EQ(f().document().serialize(), content) << "the load wrote a line back";
    step("show the manual page", [&] { f().SpeedButton9.click(); });
    step("select row 3", [&] { f().ListBox1.select(3); });
}

TEST_P(ViewMirrorsModel, LanguagePresetTintFailedLoadAndRestore) {
    step("load", [&] { f().Laden1.click(); });
    s.dialogs.fileAnswers.push_back(Scenario::shippedLanguage("english.zpr"));
    step("switch to English", [&] { f().SpeedButton11.click(); });
    step("show the presets", [&] { f().f1graphicscfgoptimieren1.click(); });
    step("choose preset 4", [&] { s.program().form2().RadioButton4.click(); });
    step("apply the preset", [&] { s.program().form2().SpeedButton1.click(); });

    step("show Objekte", [&] { f().SpeedButton6.click(); });
    step("visor on", [&] { f().CheckBox6.setChecked(true); });
    step("tint on", [&] { f().CheckBox7.click(); });
    step("open the tint dialog", [&] { f().SpeedButton12.click(); });
    TForm3& tint = s.program().form3();
    step("move red", [&] { tint.TrackBar1.scroll(37); });
    step("lock", [&] { tint.CheckBox1.click(); });
    step("move green", [&] { tint.TrackBar2.scroll(50); });
    step("close the tint dialog", [&] { tint.closeRequest(); });

    step("save a backup", [&] { f().Backupsichern1.click(); });
    std::filesystem::remove(s.configFile());
    step("a load that fails", [&] { f().Laden1.click(); });
    step("restore the backup", [&] { f().Backupladen1.click(); });
    step("show the manual page", [&] { f().SpeedButton9.click(); });
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
