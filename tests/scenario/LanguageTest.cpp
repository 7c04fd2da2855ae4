#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <limits>
#include <map>
#include <set>

#include "forms/Entries.h"
#include "support/Scenario.h"

namespace torvexa {
namespace {

using test::Scenario;
using test::ScriptedDialogs;

const std::string kMissing =
    "Die gewaehle Sprachdatei wurde nicht gefunden!\rStarten Sie Torvexa neu!\r\rLanguagefile not "
    "found!\rPlease restart Torvexa";
const std::string kIncompatible =
    "Die gewaehlte Sprachdatei ist nicht mit dieser Programmversion kompatibel!\rSie k\xF6nnen "
    "Torvexa "
    "zwar verwenden, allerdings sind m\xF6glicherweise nicht alle Elemente beschriftet/richtig "
    "beschriftet!";

// A translation file of `lines` lines: entry n reads "E<n>", entry 2 the version.
std::string numberedFile(int lines, const std::string& version = "0.5") {
    std::string content;
    for (int n = 0; n < lines; ++n)
        content += (n == 2 ? version : "E" + std::to_string(n)) + "\r\n";
    return content;
}

int warnings(const ScriptedDialogs& dialogs) {
    return static_cast<int>(
        std::count_if(dialogs.messages.begin(), dialogs.messages.end(),
                      [](const auto& m) { return m.title == "Error" && m.text == kIncompatible; }));
}

// Every caption and drop-down item of a window, by control name.
std::map<std::string, std::string> captionsOf(const Control& root) {
    std::map<std::string, std::string> captions;
    const std::function<void(const Control&)> walk = [&](const Control& c) {
        captions[c.name()] = c.caption();
        if (const auto* combo = dynamic_cast<const ComboBox*>(&c)) {
            for (std::size_t k = 0; k < combo->items().size(); ++k) {
                captions[c.name() + "[" + std::to_string(k) + "]"] = combo->items()[k];
            }
        }
        for (const Control* child : c.children())
            walk(*child);
    };
    walk(root);
    return captions;
}

TEST(Language, WithoutAChoiceTheDialogAsksAndTheChosenFileIsAppliedAndRemembered) {
    Scenario s;
    const std::string english = Scenario::shippedLanguage("english.zpr");
    s.dialogs.fileAnswers = {english};
    Program& program = s.start();

    ASSERT_EQ(s.dialogs.fileDialogs.size(), 1u);
    EXPECT_EQ(s.dialogs.fileDialogs[0].filter, "ZEL Sprachdateien|*.zpr|ZEL Languagefiles|*.txt");
    EXPECT_EQ(s.langopt(), english + "\r\n");
    EXPECT_TRUE(s.dialogs.messages.empty());
    const TForm1& f = program.form1();
    EXPECT_EQ(f.Laden1.caption(), "Load");
    EXPECT_EQ(f.Label27.caption(), "English");
    EXPECT_EQ(f.CheckBox8.caption(), "Enable T&&L if available");
    EXPECT_EQ(f.ComboBox3.items(),
              (std::vector<std::string>{"Processor", "Video card", "Combination"}));
    EXPECT_EQ(program.form2().caption(), "Optimise f1graphics.cfg");
    EXPECT_EQ(program.form2().RadioButton4.caption(),
              "4: 1024x768, 32 bit, mirrors on, reflections: video card");
    EXPECT_EQ(program.form3().CheckBox1.caption(), "Link sliders");

    Scenario again;  // a second start in the same folder asks nothing
    again.rememberLanguage(english);
    again.start();
    EXPECT_TRUE(again.dialogs.fileDialogs.empty());
    EXPECT_EQ(again.form1().Laden1.caption(), "Load");
}

TEST(Language, AnIncompatibleChosenFileWarnsOnceAndIsRememberedAllTheSame) {
    Scenario s;
    const std::string path = s.writeLanguage("old.txt", numberedFile(entries::Count, "0.4"));
    s.dialogs.fileAnswers = {path};
    s.start();
    EXPECT_EQ(warnings(s.dialogs), 1);
    EXPECT_EQ(s.dialogs.messages.size(), 1u);
    EXPECT_EQ(s.form1().Extras1.caption(), "E91");  // every caption applied before the warning
    EXPECT_EQ(s.langopt(), path + "\r\n");
}

TEST(Language, AMissingRememberedFileEndsTheProgramBeforeTheWindowIsOffered) {
    for (const std::string& remembered :
         {std::string("/no/such/folder/deutsch.zpr"), std::string()}) {
        Scenario s;
        s.rememberLanguage(remembered);
        Program& program = s.start();
        EXPECT_EQ(s.dialogs.messages,
                  (std::vector<ScriptedDialogs::Message>{{MessageIcon::Error, "Error", kMissing}}))
            << "remembered: '" << remembered << "'";
        EXPECT_EQ(s.langopt(), "(none)");
        EXPECT_FALSE(program.running());
        EXPECT_FALSE(program.form1().visible());
    }
}

TEST(Language, ANameTypedIntoTheDialogThatDoesNotExistIsTheMissingFile) {
    Scenario s;
    s.dialogs.fileAnswers = {(s.workingFolder / "typed.zpr").string()};
    Program& program = s.start();
    EXPECT_EQ(s.dialogs.messages.size(), 1u);
    EXPECT_EQ(s.dialogs.messages[0].text, kMissing);
    EXPECT_EQ(s.langopt(), "(none)");
    EXPECT_FALSE(program.running());
}

TEST(Language, CancellingTheDialogKeepsTheLayoutCaptionsAndTheDialogsReportTheirFirstLookup) {
    Scenario s;
    s.dialogs.fileAnswers = {std::nullopt};
    Program& program = s.start();
    EXPECT_TRUE(program.running());
    EXPECT_EQ(s.langopt(), "(none)");
    EXPECT_EQ(program.form1().SpeedButton5.caption(), "Grafikqualit\xE4t");
    EXPECT_EQ(program.form2().caption(), "f1graphics.cfg optimieren");
    EXPECT_EQ(program.form2().SpeedButton1.caption(), "f1graphics.cfg optimieren ");
    EXPECT_EQ(program.form3().Label2.caption(), "Gr\xFCn:");
    EXPECT_EQ(s.dialogs.messages,
              (std::vector<ScriptedDialogs::Message>{
                  {MessageIcon::Error, "torvexa", "List index out of bounds (63)"},
                  {MessageIcon::Error, "torvexa", "List index out of bounds (81)"}}));
}

TEST(Language, TheVersionLineIsComparedTrimmedAndExactly) {
    const std::vector<std::pair<std::string, int>> cases = {
        {" 0.5 ", 0}, {"\t0.5", 0}, {"0.5  # comment", 0}, {"0.50", 1}, {"0,5", 1}, {"", 1}};
    for (const auto& [version, expected] : cases) {
        Scenario s;
        s.rememberLanguage(s.writeLanguage("v.zpr", numberedFile(entries::Count, version)));
        s.start();
        EXPECT_EQ(warnings(s.dialogs), expected) << "version line '" << version << "'";
    }
}

TEST(Language, AShortFileAppliesExactlyTheLookupsBeforeItsFirstMissingEntryAndWarnsOnce) {
    struct Case {
        int lines;
        int lookups;  // how many lookups of the pass took effect
    };
    constexpr int kEvery = std::numeric_limits<int>::max();  // a complete file: every lookup
    for (const Case c : {Case{3, 0}, Case{18, 15}, Case{62, 15}, Case{71, 15}, Case{72, 63},
                         Case{entries::Count, kEvery}}) {
        Scenario s;
        s.rememberLanguage(s.writeLanguage("short.zpr", numberedFile(c.lines)));
        Program& program = s.start();
        const TForm1& f = program.form1();
        SCOPED_TRACE(std::to_string(c.lines) + " lines");
        EXPECT_EQ(warnings(s.dialogs), c.lines < entries::Count ? 1 : 0);
        // The first lookup, the last of the first 15, the 16th (entry 71), the 63rd and 64th, the
        // last.
        EXPECT_EQ(f.Laden1.caption(), c.lookups >= 1 ? "E3" : "Laden");
        EXPECT_EQ(f.ComboBox3.items()[1], c.lookups >= 15 ? "E17" : "Grafikkarte");
        EXPECT_EQ(f.ComboBox3.items()[2], c.lookups >= 16 ? "E71" : "Komination");
        EXPECT_EQ(f.Label1.caption(), c.lookups >= 17 ? "E18" : "Aufl\xF6sung:");
        EXPECT_EQ(f.Label3.caption(), c.lookups >= 46 ? "E46" : "Autor:");
        EXPECT_EQ(f.f1graphicscfgoptimieren1.caption(),
                  c.lookups >= 63 ? "E62" : "f1graphics.cfg optimieren");
        EXPECT_EQ(f.CheckBox18.caption(), c.lookups >= 64 ? "E72" : "CheckBox18");
        EXPECT_EQ(f.Button2.caption(), c.lookups >= 69 ? "E78" : "#");
        EXPECT_EQ(f.Extras1.caption(), c.lookups >= 76 ? "E91" : "Extras");
    }
}

TEST(Language, SwitchingAtRunTimeChangesTheMainWindowAtOnceButNotTheDialogs) {
    Scenario s;
    s.rememberLanguage(Scenario::shippedLanguage("deutsch.zpr"));
    Program& program = s.start();
    TForm1& f = program.form1();
    const std::string english = Scenario::shippedLanguage("english.zpr");
    s.dialogs.fileAnswers = {english};
    s.user([&] { f.SpeedButton11.click(); });

    EXPECT_EQ(f.SpeedButton11.caption(), "Choose another language file");
    EXPECT_EQ(f.f1graphicscfgoptimieren1.caption(), "Optimise f1graphics.cfg");
    EXPECT_EQ(program.form2().caption(), "f1graphics.cfg optimieren");
    EXPECT_EQ(program.form3().Label1.caption(), "Rot:");
    EXPECT_EQ(s.langopt(), english + "\r\n");

    s.dialogs.fileAnswers = {std::nullopt};  // cancelled: the language and its choice stay
    s.user([&] { f.SpeedButton11.click(); });
    EXPECT_EQ(f.Laden1.caption(), "Load");
    EXPECT_EQ(s.langopt(), english + "\r\n");
    EXPECT_TRUE(s.dialogs.messages.empty());
}

// Each field a person can reach (edit, drop-down, list, slider, up-down) by the caption that
// names it for screen readers, in every window.
std::map<std::string, std::string> fieldNames(Program& program) {
    std::map<std::string, std::string> names;  // by window and field: "Form1.Edit3"
    std::string window;
    const std::function<void(const Control&)> walk = [&](const Control& c) {
        const bool field = dynamic_cast<const Edit*>(&c) || dynamic_cast<const ComboBox*>(&c) ||
                           dynamic_cast<const ListBox*>(&c) || dynamic_cast<const TrackBar*>(&c) ||
                           dynamic_cast<const UpDown*>(&c);
        if (field && c.visible())  // the catalogue's and the tail's lists are never shown
            names[window + "." + c.name()] = c.namedBy() ? c.namedBy()->caption() : "(unnamed)";
        for (const Control* child : c.children())
            walk(*child);
    };
    for (Form* form : program.forms()) {
        window = form->name();
        walk(*form);
    }
    return names;
}

TEST(Language, EveryFieldIsNamedForScreenReadersAndTheNamesFollowTheLanguage) {
    Scenario s;
    s.rememberLanguage(Scenario::shippedLanguage("deutsch.zpr"));
    Program& program = s.start();
    const auto german = fieldNames(program);
    EXPECT_EQ(german.size(), 21u);
    EXPECT_EQ(german.at("Form1.GameBox"), "Spiel:");
    for (const auto& [field, name] : german) {
        EXPECT_FALSE(name.empty() || name == "(unnamed)" || name[0] == '#' ||
                     name.starts_with("Label") || name.starts_with("CheckBox"))
            << field << " is named [" << name << "]";
    }
    EXPECT_EQ(german.at("Form1.Edit3"), "Zeile 27 setzen auf:");
    EXPECT_EQ(german.at("Form1.edit1"), "Neuer Wert:");
    EXPECT_EQ(german.at("Form1.ListBox5"), "Manuell bearbeiten");
    EXPECT_EQ(german.at("Form3.TrackBar2"), "Gr\xFCn:");

    s.dialogs.fileAnswers = {Scenario::shippedLanguage("english.zpr")};
    s.user([&] { program.form1().SpeedButton11.click(); });
    const auto english = fieldNames(program);
    EXPECT_EQ(english.at("Form1.Edit3"), "Set line 27 to:");
    EXPECT_EQ(english.at("Form1.ComboBox3"), "Reflections are made by:");
    EXPECT_EQ(english.at("Form1.ListBox4"), "Description:");
    EXPECT_EQ(english.at("Form1.TrackBar2"), "Line 49 (percent):");
}

TEST(Language, TheGermanFileShowsTheLayoutsOwnTexts) {
    Scenario layout;
    layout.dialogs.fileAnswers = {std::nullopt};
    const auto before = captionsOf(layout.start().form1());

    Scenario german;
    german.rememberLanguage(Scenario::shippedLanguage("deutsch.zpr"));
    const auto after = captionsOf(german.start().form1());
    EXPECT_TRUE(german.dialogs.messages.empty());

    // Only placeholders, the mended "Komination", and two texts shortened so that they fit
    // their controls (also at 150 %) may differ.
    const std::set<std::string> placeholders = {
        "Label27",    "Label28",      "CheckBox13",   "CheckBox14",    "CheckBox15",
        "CheckBox16", "CheckBox17",   "Label29",      "SpeedButton10", "Label35",
        "CheckBox18", "CheckBox19",   "CheckBox20",   "Label37",       "Button1",
        "Button2",    "ComboBox3[2]", "ComboBox4[2]", "CheckBox11"};
    ASSERT_EQ(before.size(), after.size());
    for (const auto& [name, text] : before) {
        if (placeholders.count(name)) continue;
        EXPECT_EQ(after.at(name), text) << name;
    }
    EXPECT_EQ(after.at("ComboBox3[2]"), "Kombination");
    EXPECT_EQ(after.at("ComboBox4[2]"),
              "Immer (au\xDF"
              "er TV)");
}

}  // namespace
}  // namespace torvexa

namespace torvexa {
namespace {

// An entry as a translator wrote it: line n of the file, before its comment, without the
// blanks around it (read here apart from the program's reader).
std::string writtenEntry(const std::string& file, int n) {
    std::string bytes = test::readBytes(Scenario::shippedLanguage(file));
    for (int line = 0; line < n; ++line)
        bytes.erase(0, bytes.find('\n') + 1);
    std::string text = bytes.substr(0, bytes.find_first_of("#\r\n"));
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

// "Andere Sprachdatei wählen" goes through every shipped language in turn: the main window
// speaks each at once, its field names follow, and the boxes whose texts come from the file
// say them as written; the dialogs keep the language they started with.
std::string valuesOf(const ConfigDocument& document) {
    std::string values;
    for (int line = 0; line < document.count(); ++line)
        values += document.value(line) + "\n";
    return values;
}

TEST(Language, EveryShippedLanguageWorksAfterASwitchAtRunTime) {
    Scenario s;
    s.rememberLanguage(Scenario::shippedLanguage("deutsch.zpr"));
    s.installGame(Scenario::sampleConfig());
    Program& program = s.start();
    TForm1& f = program.form1();
    s.user([&] { f.Laden1.click(); });
    const std::vector<int> chosen = {f.ComboBox4.itemIndex(), f.ComboBox5.itemIndex(),
                                     f.ComboBox6.itemIndex()};
    ASSERT_EQ(f.ComboBox3.text(), "Grafikkarte");  // the sample's line 53 holds 3
    for (const std::string& file : test::shippedLanguageFiles()) {
        s.dialogs.fileAnswers = {Scenario::shippedLanguage(file)};
        s.user([&] { f.Info1.click(); });  // the Info page, where the button is
        const std::string before = valuesOf(f.document());
        s.user([&] { f.SpeedButton11.click(); });
        EXPECT_EQ(s.langopt(), Scenario::shippedLanguage(file) + "\r\n");
        // Each drop-down keeps its choice, in the new words; the switch writes nothing.
        EXPECT_EQ((std::vector<int>{f.ComboBox4.itemIndex(), f.ComboBox5.itemIndex(),
                                    f.ComboBox6.itemIndex()}),
                  chosen)
            << file;
        EXPECT_EQ(f.ComboBox6.text(), f.ComboBox6.items()[static_cast<std::size_t>(chosen[2])])
            << file;
        EXPECT_EQ(f.ComboBox3.text(), writtenEntry(file, 17)) << file;
        EXPECT_EQ(valuesOf(f.document()), before) << file;
        EXPECT_EQ(f.Label27.caption(), writtenEntry(file, 0)) << file;
        EXPECT_EQ(f.Laden1.caption(), writtenEntry(file, 3)) << file;
        EXPECT_EQ(f.SpeedButton11.caption(), writtenEntry(file, 79)) << file;
        EXPECT_EQ(f.ComboBox6.items().back(), writtenEntry(file, 39)) << file;
        for (const auto& [field, name] : fieldNames(program))
            EXPECT_FALSE(name.empty() || name == "(unnamed)") << file << ": " << field;
        EXPECT_EQ(program.form2().caption(), "f1graphics.cfg optimieren") << file;

        s.dialogs.messages.clear();
        s.user([&] { f.SpeedButton4.click(); });  // "Allgemein", where the "?" buttons are
        s.user([&] { f.f1graphicscfgoptimieren1.click(); });
        s.user([&] { f.Button1.click(); });                     // the "?" beside line 27
        s.user([&] { f.Button2.click(); });                     // the "?" of line 33
        s.user([&] { program.form2().SpeedButton1.click(); });  // no preset chosen
        s.user([&] { f.Backupladen1.click(); });                // no backup yet
        std::vector<std::string> texts;
        for (const auto& message : s.dialogs.messages)
            texts.push_back(message.text);
        EXPECT_EQ(texts, (std::vector<std::string>{writtenEntry(file, 76), writtenEntry(file, 77),
                                                   writtenEntry(file, 70), writtenEntry(file, 87)}))
            << file;
    }
}

}  // namespace
}  // namespace torvexa
