// Writes docs/controls.md: every control of the three windows with its kind, page, German and
// English caption, the line(s) of f1graphics.cfg it edits and its handlers, all read from the
// program itself (its windows, setting tables and translation files), so the page cannot drift
// from the code.
//
//   torvexa_controls_map GERMAN.zpr ENGLISH.zpr [OUTPUT.md]
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "common/Cp1252.h"
#include "forms/Program.h"
#include "platform/System.h"
#include "ui/ControlVisitor.h"
#include "ui/Dialogs.h"

namespace torvexa {
namespace {

// Just enough of a machine to build the windows in one language: its translation file, no game.
class LanguageOnly final : public System {
  public:
    explicit LanguageOnly(const std::string& translation)
        : files_{{"langopt.zel", "language.zpr\r\n"}, {"language.zpr", translation}} {}
    RegistryValue readMachineValue(std::string_view, std::string_view) override { return {}; }
    std::string readFile(const std::string& path) override { return files_.at(path); }
    void writeFile(const std::string& path, std::string_view content) override {
        files_[path] = content;
    }
    bool isFile(const std::string& path) override { return files_.count(path) != 0; }
    void deleteFile(const std::string& path) noexcept override { files_.erase(path); }
    void copyFile(const std::string& from, const std::string& to) override {
        files_[to] = files_.at(from);
    }
    void sleep(int) override {}
    std::string machinePath(const std::string& path) override { return path; }

  private:
    std::map<std::string, std::string> files_;
};

class NoDialogs final : public Dialogs {
  public:
    void showMessage(MessageIcon, std::string_view, std::string_view) override {}
    std::optional<std::string> chooseFile(const FileDialogSettings&) override {
        return std::nullopt;
    }
};

// A control's kind in words, and the events it has a handler for.
class Kind final : public ControlVisitor {
  public:
    std::string name;
    std::vector<std::string> events;

    void visit(Form&) override { name = "window"; }
    void visit(Panel&) override { name = "panel"; }
    void visit(GroupBox&) override { name = "group box"; }
    void visit(Label&) override { name = "label"; }
    void visit(Shape&) override { name = "shape"; }
    void visit(CheckBox& box) override { is("check box", {{"Click", box.OnClick}}); }
    void visit(RadioButton&) override { name = "radio button"; }
    void visit(Button& button) override { is("button", {{"Click", button.OnClick}}); }
    void visit(SpeedButton& button) override { is("flat button", {{"Click", button.OnClick}}); }
    void visit(Edit& edit) override {
        is(edit.lines() == Edit::Lines::Multi ? "text box" : "edit field",
           {{"Change", edit.OnChange}, {"Exit", edit.OnExit}});
    }
    void visit(UpDown&) override { name = "up-down arrows"; }
    void visit(ComboBox& box) override {
        is(box.style() == ComboBox::Style::Editable ? "drop-down, typing allowed" : "drop-down",
           {{"Change", box.OnChange}, {"Exit", box.OnExit}});
    }
    void visit(TrackBar& slider) override { is("slider", {{"Change", slider.OnChange}}); }
    void visit(ListBox& list) override {
        is("list", {{"Click", list.OnClick}, {"Scroll", list.OnScroll}});
    }
    void visit(MainMenu&) override { name = "menu bar"; }
    void visit(MenuItem& item) override {
        is(item.children().empty() ? "menu item" : "menu", {{"Click", item.OnClick}});
    }

  private:
    void is(std::string kind, std::initializer_list<std::pair<const char*, const Handler&>> on) {
        name = std::move(kind);
        for (const auto& [event, handler] : on) {
            if (handler) events.push_back(event);
        }
    }
};

// What a person reads: "&&" shows "&", a single "&" marks the access key and is not shown.
std::string shown(const std::string& caption) {
    std::string text;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] != '&')
            text += caption[i];
        else if (i + 1 < caption.size() && caption[i + 1] == '&')
            text += caption[++i];
    }
    return cp1252ToUtf8(text);
}

std::string cell(const std::string& text) {
    std::string escaped;
    for (char c : text) {
        if (c == '|' || c == '*' || c == '_' || c == '`' || c == '<' || c == '\\') escaped += '\\';
        escaped += c;
    }
    return escaped;
}

std::string joined(const std::vector<std::string>& parts, const char* between) {
    std::string text;
    for (const std::string& part : parts)
        text += (text.empty() ? "" : between) + part;
    return text;
}

// What a control says in one language: its caption, or a drop-down's items.
std::string captionOf(Control& control) {
    if (auto* box = dynamic_cast<ComboBox*>(&control)) {
        std::vector<std::string> items;
        for (const std::string& item : box->items())
            items.push_back(cell(shown(item)));
        return joined(items, " / ");
    }
    return cell(shown(control.caption()));
}

void eachControl(Control& control, const std::function<void(Control&)>& visit) {
    visit(control);
    for (Control* child : control.children())
        eachControl(*child, visit);
}

// The windows built in one language, and each control's caption there by window and name.
struct Language {
    explicit Language(const std::string& translation)
        : system(translation), program(system, dialogs, "torvexa") {
        for (Form* form : program.forms())
            eachControl(
                *form, [&](Control& c) { captions[form->name() + "." + c.name()] = captionOf(c); });
    }
    LanguageOnly system;
    NoDialogs dialogs;
    Program program;
    std::map<std::string, std::string> captions;
};

std::string numbers(const std::vector<int>& lines) {
    std::vector<std::string> texts;
    for (int line : lines)
        texts.push_back(std::to_string(line));
    return joined(texts, ", ");
}

// Where the main window shows a control: the page it lies on, by its German title.
std::string pageOf(TForm1& form, const Language& german, const Control& control) {
    const Control* top = &control;
    while (top->parent() && top->parent() != &form)
        top = top->parent();
    if (top == &form) return "";
    for (const TForm1::Page& page : form.pages()) {
        if (page.panel == top) return german.captions.at("Form1." + page.title->name());
    }
    if (top == &form.Panel3) return "page buttons";
    if (top == &form.MainMenu1) return "menu";
    return "";
}

class Map {
  public:
    Map(const Language& german, const Language& english) : german_(german), english_(english) {}

    std::string write(Program& program) {
        out_ << "# Every control of Torvexa\n\n"
                "Written by `tools/controls_map.cpp` from the program itself; "
                "`cmake --build build --target controls-doc` writes it again, and the test "
                "`docs.controls` fails while it differs from what the tool writes.\n\n"
                "Lines are those of `f1graphics.cfg`, counted from 0 as in `src/forms/Lines.h`. "
                "A handler is named after its control and event: `CheckBox4Click` runs when "
                "`CheckBox4` is clicked. \"setting table\" means that the control's row in the "
                "setting table (`src/forms/Unit1SettingTable.cpp`, `TForm3::settingTable`) "
                "writes its line(s) when a person changes it. Captions are those of "
                "`lang/deutsch.zpr` and `lang/english.zpr`; a drop-down shows its items. A caption "
                "that \"names\" a field is what screen readers read as the field's name.\n";
        TForm1& form1 = program.form1();
        section(
            form1, "the main window", "Unit1",
            [&](const Control& c) { return linesIn(form1.settings(), c); },
            [&](const Control& c) { return pageOf(form1, german_, c); });
        TForm2& form2 = program.form2();
        section(form2, "the optimisation presets", "Unit2", [&](const Control& c) {
            if (&c != &form2.SpeedButton1) return std::string();
            return numbers({TForm2::kPresetLines.begin(), TForm2::kPresetLines.end()});
        });
        TForm3& form3 = program.form3();
        section(form3, "the visor tint", "Unit3",
                [&](const Control& c) { return linesIn(form3.settings(), c); });
        return out_.str();
    }

  private:
    using Column = std::function<std::string(const Control&)>;

    // ", names `ComboBox1`" for a caption that names fields for screen readers.
    static std::string namesFor(Form& form, const Control& caption) {
        std::vector<std::string> fields;
        eachControl(form, [&](Control& c) {
            if (c.namedBy() == &caption) fields.push_back("`" + c.name() + "`");
        });
        return fields.empty() ? std::string() : ", names " + joined(fields, ", ");
    }

    static std::string linesIn(const SettingTable& table, const Control& control) {
        const Setting* row = table.find(control);
        return row ? numbers(linesOf(row->mapping)) : std::string();
    }

    // A window's table; the main window's has a column for the page each control lies on.
    void section(Form& form, const char* what, const char* unit, const Column& lines,
                 const Column& page = {}) {
        const SettingTable* table = nullptr;
        if (auto* form1 = dynamic_cast<TForm1*>(&form)) table = &form1->settings();
        out_ << "\n## T" << form.name() << ": " << what << " (`src/forms/" << unit << ".h`)\n\n"
             << "| Control | Kind" << (page ? " | Page" : "")
             << " | German | English | Line(s) | Handler |\n"
             << "|---|---" << (page ? "|---" : "") << "|---|---|---|---|\n";
        eachControl(form, [&](Control& control) {
            Kind kind;
            control.accept(kind);
            const std::string described = kind.name + namesFor(form, control);
            std::vector<std::string> handlers;
            if (&control == &form) handlers.push_back("`FormCreate`");
            for (const std::string& event : kind.events) {
                const bool byTable = table && table->connects(control) &&
                                     event == (kind.name == "check box" ? "Click" : "Change");
                handlers.push_back(byTable ? "setting table" : "`" + control.name() + event + "`");
            }
            const std::string key = form.name() + "." + control.name();
            out_ << "| `" << control.name() << "` | " << described
                 << (page ? " | " + page(control) : "") << " | " << german_.captions.at(key)
                 << " | " << english_.captions.at(key) << " | " << lines(control) << " | "
                 << joined(handlers, ", ") << " |\n";
        });
    }

    const Language& german_;
    const Language& english_;
    std::ostringstream out_;
};

std::string contentOf(const char* path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error(std::string("cannot read ") + path);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

}  // namespace
}  // namespace torvexa

int main(int argc, char** argv) {
    using namespace torvexa;
    if (argc != 3 && argc != 4) {
        std::cerr << "usage: torvexa_controls_map GERMAN.zpr ENGLISH.zpr [OUTPUT.md]\n";
        return 2;
    }
    try {
        Language german(contentOf(argv[1]));
        const Language english(contentOf(argv[2]));
        const std::string map = Map(german, english).write(german.program);
        if (argc == 3) {
            std::cout << map;
            return 0;
        }
        std::ofstream out(argv[3], std::ios::binary);
        out << map;
        return out.flush() ? 0 : 1;
    } catch (const std::exception& e) {
        std::cerr << "torvexa_controls_map: " << e.what() << "\n";
        return 1;
    }
}
