// A translation file in a folder whose name holds letters outside ASCII, "#" or blanks, chosen
// through the real open dialog: the program reads it, remembers its path as this machine spells
// it, and finds it again at the next start.

// The program first: X11, which FLTK brings in, defines macros named like controls (Button1).
#include "forms/Program.h"

#include <gtest/gtest.h>

#include <FL/Fl.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Return_Button.H>
#include <FL/Fl_Window.H>

#include <filesystem>

#include "support/Scenario.h"
#include "view/fltk/FltkDialogs.h"

namespace torvexa {
namespace {

namespace fs = std::filesystem;
using test::Scenario;

// The real open dialog, and boxes recorded instead of shown (a box would wait for a person).
class RealOpenDialog : public fltk::FltkDialogs {
  public:
    void showMessage(MessageIcon, std::string_view, std::string_view text) override {
        boxes.emplace_back(text);
    }
    // The next open dialog: a person types `path` into its name field and presses "Open".
    void answerWith(const std::string& path) {
        typed_ = path;
        Fl::add_timeout(0.05, typeAndOpen, this);
    }
    // An open dialog that no answer awaits is cancelled at once and counted.
    std::optional<std::string> chooseFile(const FileDialogSettings& settings) override {
        if (typed_.empty()) {
            ++unexpectedDialogs;
            return std::nullopt;
        }
        return FltkDialogs::chooseFile(settings);
    }
    std::vector<std::string> boxes;
    int unexpectedDialogs = 0;

  private:
    static void typeAndOpen(void* self) {
        auto& dialogs = *static_cast<RealOpenDialog*>(self);
        Fl_Window* dialog = Fl::modal();
        if (!dialog) {  // not open yet
            Fl::repeat_timeout(0.05, typeAndOpen, self);
            return;
        }
        Fl_Input* name = nullptr;
        Fl_Return_Button* open = nullptr;
        for (int i = 0; i < dialog->children(); ++i) {
            if (auto* input = dynamic_cast<Fl_Input*>(dialog->child(i))) name = input;
            if (auto* button = dynamic_cast<Fl_Return_Button*>(dialog->child(i))) open = button;
        }
        ASSERT_TRUE(name && open) << "the open dialog has no name field or no open button";
        name->value(dialogs.typed_.c_str());
        dialogs.typed_.clear();
        open->do_callback();
    }
    std::string typed_;
};

class LanguagePath : public ::testing::TestWithParam<const char*> {
  protected:
    // The English file in a folder of this name (UTF-8) inside the working folder.
    std::string englishIn(const std::string& folder) {
        const fs::path dir = scenario.workingFolder / folder;
        fs::create_directories(dir);
        fs::copy_file(Scenario::shippedLanguage("english.zpr"), dir / "english.zpr");
        return (dir / "english.zpr").string();
    }
    static std::string menuCaption(Program& program) { return program.form1().Laden1.caption(); }

    Scenario scenario;
    RealOpenDialog dialogs;
};

TEST_P(LanguagePath, IsChosenAtTheFirstStartAndFoundAgainAtTheNext) {
    const std::string path = englishIn(GetParam());
    dialogs.answerWith(path);
    {
        Program first(scenario.system, dialogs, "torvexa");
        ASSERT_TRUE(first.running()) << (dialogs.boxes.empty() ? "" : dialogs.boxes.front());
        EXPECT_EQ(menuCaption(first), "Load");
    }
    EXPECT_EQ(scenario.langopt(), path + "\r\n");  // the machine's own bytes
    Program next(scenario.system, dialogs, "torvexa");
    EXPECT_TRUE(next.running());
    EXPECT_EQ(menuCaption(next), "Load");
    EXPECT_EQ(dialogs.boxes, std::vector<std::string>());
    EXPECT_EQ(dialogs.unexpectedDialogs, 0);
}

TEST_P(LanguagePath, IsChosenThroughAnotherLanguageFileAndFoundAgainAtTheNextStart) {
    scenario.rememberLanguage(Scenario::shippedLanguage("deutsch.zpr"));
    const std::string path = englishIn(GetParam());
    {
        Program program(scenario.system, dialogs, "torvexa");
        ASSERT_EQ(menuCaption(program), "Laden");
        dialogs.answerWith(path);
        program.application().perform([&] { program.form1().SpeedButton11.click(); });
        EXPECT_TRUE(program.running()) << (dialogs.boxes.empty() ? "" : dialogs.boxes.front());
        EXPECT_EQ(menuCaption(program), "Load");
    }
    EXPECT_EQ(scenario.langopt(), path + "\r\n");
    Program next(scenario.system, dialogs, "torvexa");
    EXPECT_EQ(menuCaption(next), "Load");
    EXPECT_EQ(dialogs.boxes, std::vector<std::string>());
    EXPECT_EQ(dialogs.unexpectedDialogs, 0);
}

INSTANTIATE_TEST_SUITE_P(FolderNames, LanguagePath,
                         ::testing::Values("Übersetzungen",
                                           "Sprachen #2 und mehr",  // "#" and blanks
                                           "Переводы", "@home & 100% für mich"));

}  // namespace
}  // namespace torvexa
