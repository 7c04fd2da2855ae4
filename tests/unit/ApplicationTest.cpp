#include <gtest/gtest.h>

#include "common/Failure.h"
#include "support/ScriptedDialogs.h"
#include "ui/Application.h"

namespace torvexa {
namespace {

using test::ScriptedDialogs;

TEST(ApplicationTitle, IsTheFileNameCutAtItsFirstDotWithTheRestInLowerCase) {
    EXPECT_EQ(Application::titleFor("/usr/bin/torvexa"), "torvexa");
    EXPECT_EQ(Application::titleFor("C:\\Programme\\ZEL\\TORVEXA.EXE"), "Torvexa");
    EXPECT_EQ(Application::titleFor("build/src/Torvexa.Debug.bin"), "Torvexa");
    EXPECT_EQ(Application::titleFor("Project1.exe"), "Project1");
    EXPECT_EQ(Application::titleFor("\xC4RGER"), "\xC4rger");
}

TEST(ErrorReport, AppendsAFullStopOnlyAfterACharacterAboveIt) {
    EXPECT_EQ(Application::reportText("File not found"), "File not found.");
    EXPECT_EQ(Application::reportText("'' is not a valid integer value"),
              "'' is not a valid integer value.");
    EXPECT_EQ(Application::reportText("I/O error 112"), "I/O error 112.");
    EXPECT_EQ(Application::reportText("List index out of bounds (101)"),
              "List index out of bounds (101)");
    EXPECT_EQ(Application::reportText("Done."), "Done.");
    EXPECT_EQ(Application::reportText("Wait-"), "Wait-");
    EXPECT_EQ(Application::reportText(""), "");
}

TEST(ErrorReport, IsShownOnceWithTheTitleAndTheProgramGoesOn) {
    ScriptedDialogs dialogs;
    Application app(dialogs, "/opt/torvexa");
    bool after = false;
    app.perform([] { throw FileError(2); });
    app.perform([&] { after = true; });
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0],
              (ScriptedDialogs::Message{MessageIcon::Error, "torvexa", "File not found."}));
    EXPECT_TRUE(after);
    EXPECT_FALSE(app.terminated());
}

TEST(EndRequest, IsRememberedAndToldOnce) {
    ScriptedDialogs dialogs;
    Application app(dialogs, "torvexa");
    int told = 0;
    app.setObserver([&] { ++told; });
    app.terminate();
    app.terminate();
    EXPECT_TRUE(app.terminated());
    EXPECT_EQ(told, 1);
}

}  // namespace
}  // namespace torvexa
