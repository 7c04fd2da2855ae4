#pragma once

// The flows both views are checked through, step by step with the mirror rule (Mirror.h):
// each view's test runs every case here on its own widgets.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "forms/Entries.h"
#include "forms/Program.h"
#include "support/Scenario.h"

namespace torvexa::test {

class MirrorFlow {
  public:
    virtual ~MirrorFlow() = default;
    virtual Scenario& scenario() = 0;
    // A person's action, then a look at every window.
    virtual void userStep(const std::string& name, const std::function<void()>& action) = 0;
};

namespace mirrorCases {

inline void loadingAndEditingByHand(MirrorFlow& flow) {
    TForm1& f = flow.scenario().form1();
    flow.userStep("load the sample", [&] { f.Laden1.click(); });
    flow.userStep("show the manual page", [&] { f.SpeedButton9.click(); });
    flow.userStep("select row 5", [&] { f.ListBox1.select(5); });
    flow.userStep("type a value", [&] { f.edit1.type("3"); });
    flow.userStep("apply it", [&] { f.SpeedButton10.click(); });
    flow.userStep("scroll the comments", [&] { f.ListBox4.scrollTo(100); });
    flow.userStep("select row 150 by number", [&] { f.ListBox5.select(150); });
    flow.userStep("select row 20 by comment", [&] { f.ListBox4.select(20); });
    for (const TForm1::Page& page : f.pages())
        if (page.button)
            flow.userStep("show page " + page.button->name(), [&] { page.button->click(); });
}

// A translation whose captions and items hold what toolkits read as markup or formats.
inline void textsWithMarkupCharactersShowLiterally(MirrorFlow& flow) {
    Scenario& s = flow.scenario();
    TForm1& f = s.form1();
    std::vector<std::string> entries;
    std::istringstream shipped(readBytes(Scenario::shippedLanguage("deutsch.zpr")));
    for (std::string line; std::getline(shipped, line);)
        entries.push_back(line);
    entries[10] = "@C4 & 100% %s\r";  // a check box
    entries[29] = "R&D @-> 5%\r";     // an item of a fixed drop-down
    entries[41] = "@@ && & %d\r";     // a label
    entries[55] = "&Apply @2x\r";     // a flat button
    entries[79] = "Sprache @home\r";  // the Info page's button
    entries[entries::ProgramGroup] = "R&&D & Co\r";
    std::string content;
    for (const std::string& entry : entries)
        content += entry + "\n";
    s.dialogs.fileAnswers.push_back(s.writeLanguage("markup.zpr", content));
    flow.userStep("choose the marked-up language", [&] { f.SpeedButton11.click(); });
    ASSERT_EQ(f.CheckBox3.caption(), "@C4 & 100% %s");
    ASSERT_EQ(f.ComboBox4.items()[0], "R&D @-> 5%");
    ASSERT_EQ(f.GroupBox1.caption(), "R&&D & Co");
    flow.userStep("load", [&] { f.Laden1.click(); });
    flow.userStep("show Allgemein", [&] { f.SpeedButton4.click(); });
    flow.userStep("show Objekte", [&] { f.SpeedButton6.click(); });
    flow.userStep("pick the marked-up item", [&] { f.ComboBox4.pick(0); });
    flow.userStep("show the manual page", [&] { f.SpeedButton9.click(); });
}

// Lines 1, 4, 6, 28, 44 and 51 at 0: the second pass finds every control as it left it.
inline void aLoadWhoseSecondPassChangesNothing(MirrorFlow& flow) {
    Scenario& s = flow.scenario();
    TForm1& f = s.form1();
    std::istringstream lines(Scenario::sampleConfig());
    std::string content;
    int n = 1;
    for (std::string line; std::getline(lines, line); ++n) {
        const bool zero = n == 1 || n == 4 || n == 6 || n == 28 || n == 44 || n == 51;
        content += zero ? "0" + line.substr(line.find_first_not_of("0123456789")) : line;
        content += '\n';
    }
    s.installGame(content);
    flow.userStep("load", [&] { f.Laden1.click(); });
    EXPECT_EQ(f.document().serialize(), content) << "the load wrote a line back";
    flow.userStep("show the manual page", [&] { f.SpeedButton9.click(); });
    flow.userStep("select row 3", [&] { f.ListBox1.select(3); });
}

inline void languagePresetTintFailedLoadAndRestore(MirrorFlow& flow) {
    Scenario& s = flow.scenario();
    TForm1& f = s.form1();
    flow.userStep("load", [&] { f.Laden1.click(); });
    s.dialogs.fileAnswers.push_back(Scenario::shippedLanguage("english.zpr"));
    flow.userStep("switch to English", [&] { f.SpeedButton11.click(); });
    flow.userStep("show the presets", [&] { f.f1graphicscfgoptimieren1.click(); });
    flow.userStep("choose preset 4", [&] { s.program().form2().RadioButton4.click(); });
    flow.userStep("apply the preset", [&] { s.program().form2().SpeedButton1.click(); });

    flow.userStep("show Objekte", [&] { f.SpeedButton6.click(); });
    flow.userStep("visor on", [&] { f.CheckBox6.setChecked(true); });
    flow.userStep("tint on", [&] { f.CheckBox7.click(); });
    flow.userStep("open the tint dialog", [&] { f.SpeedButton12.click(); });
    TForm3& tint = s.program().form3();
    flow.userStep("move red", [&] { tint.TrackBar1.scroll(37); });
    flow.userStep("lock", [&] { tint.CheckBox1.click(); });
    flow.userStep("move green", [&] { tint.TrackBar2.scroll(50); });
    flow.userStep("close the tint dialog", [&] { tint.closeRequest(); });

    flow.userStep("save a backup", [&] { f.Backupsichern1.click(); });
    std::filesystem::remove(s.configFile());
    flow.userStep("a load that fails", [&] { f.Laden1.click(); });
    flow.userStep("restore the backup", [&] { f.Backupladen1.click(); });
    flow.userStep("show the manual page", [&] { f.SpeedButton9.click(); });
}

}  // namespace mirrorCases
}  // namespace torvexa::test

// Every case above as a test of `Fixture` (a MirrorFlow), declared by `TEST_KIND` (TEST_F or
// TEST_P).
#define TORVEXA_MIRROR_CASES(TEST_KIND, Fixture)                                   \
    TEST_KIND(Fixture, LoadingAndEditingByHand) {                                  \
        torvexa::test::mirrorCases::loadingAndEditingByHand(*this);                \
    }                                                                              \
    TEST_KIND(Fixture, TextsWithMarkupCharactersShowLiterally) {                   \
        torvexa::test::mirrorCases::textsWithMarkupCharactersShowLiterally(*this); \
    }                                                                              \
    TEST_KIND(Fixture, ALoadWhoseSecondPassChangesNothing) {                       \
        torvexa::test::mirrorCases::aLoadWhoseSecondPassChangesNothing(*this);     \
    }                                                                              \
    TEST_KIND(Fixture, LanguagePresetTintFailedLoadAndRestore) {                   \
        torvexa::test::mirrorCases::languagePresetTintFailedLoadAndRestore(*this); \
    }
