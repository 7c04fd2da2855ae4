// The open dialog lists a folder as a person expects and speaks the desktop's language.
#include <gtest/gtest.h>

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>

#include <algorithm>
#include <cstdlib>
#include <tuple>

#include "support/TempDir.h"
#include "view/fltk/FolderListing.h"
#include "view/fltk/OpenDialog.h"
#include "view/fltk/Toolkit.h"

namespace torvexa::fltk {
namespace {

namespace fs = std::filesystem;

TEST(PersonOrder, IgnoresCaseKeepsUmlautsWithTheirLettersAndReadsNumbersByValue) {
    std::vector<std::string> names = {
        "zebra.zpr", "Übersetzung.zpr", "Umlaut.zpr", "ärger.zpr", "Anton.zpr",
        "beta.zpr",  "Beta.zpr",        "file10.zpr", "file9.zpr", "file010b.zpr",
        "б.zpr",  // Cyrillic after Latin
        "А.zpr",
    };
    std::sort(names.begin(), names.end(), personOrderLess);
    const std::vector<std::string> expected = {
        "Anton.zpr",    "ärger.zpr",       "Beta.zpr",   "beta.zpr",  "file9.zpr", "file10.zpr",
        "file010b.zpr", "Übersetzung.zpr", "Umlaut.zpr", "zebra.zpr", "А.zpr",     "б.zpr"};
    EXPECT_EQ(names, expected);
}

TEST(PersonOrder, BytesThatAreNoUtf8StillHaveTheirPlace) {
    EXPECT_TRUE(personOrderLess("a\xFF", "b"));
    EXPECT_FALSE(personOrderLess("b", "a\xFF"));
    EXPECT_FALSE(personOrderLess("x", "x"));
}

TEST(FolderListing, ParentFirstThenFoldersThenMatchingFilesEachInPersonOrder) {
    test::TempDir dir;
    for (const char* folder : {"zeta", "Alpha", "Äpfel", "2 Sprachen", "10 Sprachen", ".hidden"})
        fs::create_directory(dir / folder);
    for (const char* file : {"b.zpr", "A.ZPR", "notes.txt", "c.zprx", "#1 @home.zpr", ".x.zpr"})
        test::writeBytes(dir / file, "x");
    EXPECT_EQ(listFolder(dir.path(), "*.zpr"),
              (std::vector<std::string>{"../", "2 Sprachen/", "10 Sprachen/", "Alpha/", "Äpfel/",
                                        "zeta/", "#1 @home.zpr", "A.ZPR", "b.zpr"}));
    EXPECT_EQ(listFolder(dir.path(), "*.txt;*.zprx"),
              (std::vector<std::string>{"../", "2 Sprachen/", "10 Sprachen/", "Alpha/", "Äpfel/",
                                        "zeta/", "c.zprx", "notes.txt"}));
    EXPECT_EQ(listFolder(dir / "gone", "*"), std::vector<std::string>{"../"});
    EXPECT_EQ(listFolder("/", "*").front(), "bin/") << "no parent at the root";
}

TEST(OpenDialogWords, FollowTheDesktopLanguageInTheSystemsOrderOfVariables) {
    using enum DesktopLanguage;
    EXPECT_EQ(desktopLanguage(nullptr, nullptr, "de_DE.UTF-8"), German);
    EXPECT_EQ(desktopLanguage(nullptr, "fr", "en_GB.UTF-8"), French);
    EXPECT_EQ(desktopLanguage("it_CH.UTF-8@euro", "en_US", "en_US"), Italian);
    EXPECT_EQ(desktopLanguage("", "", "es_MX.UTF-8"), Spanish);  // empty means not set
    EXPECT_EQ(desktopLanguage("C", "de_DE", "de_DE"), English);  // LC_ALL decides
    EXPECT_EQ(desktopLanguage("pt_BR.UTF-8", "fr_FR", "fr_FR"), English);
    EXPECT_EQ(desktopLanguage(nullptr, nullptr, nullptr), English);
    EXPECT_EQ(desktopLanguage(nullptr, nullptr, "dee_XX"), English);
    EXPECT_EQ(desktopLanguage(nullptr, nullptr, "esperanto"), English);
}

// The real dialog in each desktop language at 100 % and 200 %: its own words, and labels that
// end before their fields begin.
struct SeenDialog {
    std::string title, buttons;
    std::vector<std::string> cutLabels;

    static void lookAndClose(void* data) {
        Fl_Window* dialog = Fl::modal();
        if (!dialog) return Fl::repeat_timeout(0.05, lookAndClose, data);
        auto& seen = *static_cast<SeenDialog*>(data);
        seen.title = dialog->label();
        for (int i = 0; i < dialog->children(); ++i) {
            Fl_Widget& child = *dialog->child(i);
            const bool button = dynamic_cast<Fl_Button*>(&child) != nullptr;
            if (button) seen.buttons += std::string(child.label()) + "|";
            if (button || !child.label()) continue;
            fl_font(child.labelfont(), child.labelsize());
            if (fl_width(child.label()) + 4 > child.x()) seen.cutLabels.push_back(child.label());
        }
        dialog->hide();
    }
};

using Language =
    std::tuple<const char* /* locale */, const char* /* title */, const char* /* cancel */>;
class OpenDialogLanguage : public ::testing::TestWithParam<std::tuple<Language, double>> {};

TEST_P(OpenDialogLanguage, SpeaksItAndItsLabelsFit) {
    const auto [language, scale] = GetParam();
    const auto [locale, title, cancel] = language;
    ::setenv("LC_ALL", locale, 1);
    initialiseToolkit(scale);
    SeenDialog seen;
    Fl::add_timeout(0.05, SeenDialog::lookAndClose, &seen);
    EXPECT_FALSE(runOpenDialog({{"Sprachdatei", "*.zpr"}}, ".", scale));
    ::unsetenv("LC_ALL");
    EXPECT_EQ(seen.title, title);
    EXPECT_EQ(seen.buttons, std::string(title) + "|" + cancel + "|");
    EXPECT_EQ(seen.cutLabels, std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(
    DesktopLanguages, OpenDialogLanguage,
    ::testing::Combine(::testing::Values(Language{"de_DE.UTF-8",
                                                  "\xC3\x96"
                                                  "ffnen",
                                                  "Abbrechen"},
                                         Language{"fr_FR.UTF-8", "Ouvrir", "Annuler"},
                                         Language{"it_IT.UTF-8", "Apri", "Annulla"},
                                         Language{"es_ES.UTF-8", "Abrir", "Cancelar"},
                                         Language{"pt_PT.UTF-8", "Open", "Cancel"}),
                       ::testing::Values(1.0, 2.0)));

}  // namespace
}  // namespace torvexa::fltk
