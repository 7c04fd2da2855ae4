#include <gtest/gtest.h>

#include "support/Scenario.h"

namespace torvexa {
namespace {

using test::Scenario;
using test::ScriptedDialogs;

const Font kRegular{};
const Font kBold{.bold = true};
const Font kBoldItalic{.bold = true, .italic = true};
const Font kItalic{.italic = true};

// The style of the four page buttons, in the order Allgemein, Grafikqualität, Objekte, manual.
std::vector<Font> buttonStyles(const TForm1& f) {
    return {f.SpeedButton4.font(), f.SpeedButton5.font(), f.SpeedButton6.font(),
            f.SpeedButton9.font()};
}

int pagesShown(const TForm1& f) {
    int shown = 0;
    for (const Panel* page : {&f.Panel1, &f.Panel2, &f.Panel4, &f.Panel5, &f.Panel6})
        shown += page->visible();
    return shown;
}

TEST(Frame, OpensOnTheInfoPageWithoutPageButtons) {
    Scenario s;
    s.registerGame("GP4");
    s.rememberLanguage(Scenario::shippedLanguage("deutsch.zpr"));
    Program& program = s.start();
    const TForm1& f = program.form1();
    EXPECT_TRUE(program.running());
    EXPECT_TRUE(f.visible());
    EXPECT_FALSE(program.form2().visible());
    EXPECT_FALSE(program.form3().visible());
    EXPECT_EQ(f.caption(), "ZEL Torvexa");
    EXPECT_EQ(f.pageOnView(), &f.Panel6);
    for (const SpeedButton* b :
         {&f.SpeedButton4, &f.SpeedButton5, &f.SpeedButton6, &f.SpeedButton9}) {
        EXPECT_FALSE(b->visible()) << b->name();
    }
    EXPECT_FALSE(f.SpeedButton12.enabled());
    EXPECT_FALSE(f.Edit3.enabled());
    EXPECT_EQ(f.game().directory(), s.machine.windowsFolder("GP4"));
    EXPECT_TRUE(s.dialogs.messages.empty());
}

TEST(Frame, EachPageCommandShowsOnePageAndMarksAtMostOneButton) {
    Scenario s;
    s.start();
    TForm1& f = s.form1();
    const auto shows = [&](const std::function<void()>& command, const Panel& page,
                           const std::vector<Font>& styles) {
        s.user(command);
        EXPECT_EQ(pagesShown(f), 1);
        EXPECT_TRUE(page.visible()) << page.name();
        EXPECT_EQ(buttonStyles(f), styles) << page.name();
    };
    const auto click = [](SpeedButton& b) { return [&b] { b.click(); }; };
    // The first load makes the page buttons visible.
    for (SpeedButton* b : {&f.SpeedButton4, &f.SpeedButton5, &f.SpeedButton6, &f.SpeedButton9})
        b->setVisible(true);

    shows(click(f.SpeedButton9), f.Panel2, {kBold, kBold, kBold, kItalic});
    shows(click(f.SpeedButton4), f.Panel1, {kBoldItalic, kBold, kBold, kRegular});
    shows(click(f.SpeedButton4), f.Panel1, {kBoldItalic, kBold, kBold, kRegular});
    shows(click(f.SpeedButton5), f.Panel4, {kBold, kBoldItalic, kBold, kRegular});
    shows(click(f.SpeedButton6), f.Panel5, {kBold, kBold, kBoldItalic, kRegular});
    shows([&] { f.Info1.click(); }, f.Panel6, {kBold, kBold, kBold, kRegular});
    EXPECT_EQ(f.SpeedButton4.font().face, Typeface::Arial);
}

TEST(Frame, ThePresetDialogIsOneWindowShownAndBroughtToTheFront) {
    Scenario s;
    Program& program = s.start();
    TForm2& dialog = program.form2();
    s.user([&] { program.form1().f1graphicscfgoptimieren1.click(); });
    dialog.RadioButton3.click();
    s.user([&] { program.form1().f1graphicscfgoptimieren1.click(); });
    EXPECT_TRUE(dialog.visible());
    EXPECT_EQ(dialog.frontRequests(), 2);
    EXPECT_TRUE(dialog.RadioButton3.checked());
    dialog.closeRequest();
    EXPECT_FALSE(dialog.visible());
    EXPECT_TRUE(program.running());
}

TEST(Frame, TheTintButtonWorksOnlyWhileEnabled) {
    Scenario s;
    Program& program = s.start();
    TForm1& f = program.form1();
    f.SpeedButton6.setVisible(true);
    s.user([&] { f.SpeedButton6.click(); });
    s.user([&] { f.SpeedButton12.click(); });
    EXPECT_FALSE(program.form3().visible());
    f.SpeedButton12.setEnabled(true);
    s.user([&] { f.SpeedButton12.click(); });
    EXPECT_TRUE(program.form3().visible());
}

TEST(Frame, AFailureInTheMainWindowsCreationIsReportedAndTheWindowStillOpens) {
    Scenario s;
    s.rememberLanguage(Scenario::shippedLanguage("deutsch.zpr"));
    s.machine.registerWrongType();
    Program& program = s.start();
    EXPECT_TRUE(program.running());
    EXPECT_TRUE(program.form1().visible());
    // The language is never read, so both dialogs find no captions either. "'" lies below ".".
    EXPECT_EQ(s.dialogs.messages,
              (std::vector<ScriptedDialogs::Message>{
                  {MessageIcon::Error, "torvexa", "Invalid data type for 'Directory'"},
                  {MessageIcon::Error, "torvexa", "List index out of bounds (63)"},
                  {MessageIcon::Error, "torvexa", "List index out of bounds (81)"}}));
    EXPECT_EQ(program.form1().Laden1.caption(), "Laden");
}

TEST(Frame, BeendenAndACloseRequestEndTheLoop) {
    Scenario s;
    Program& program = s.start();
    s.user([&] { program.form1().Beenden1.click(); });
    EXPECT_FALSE(program.running());

    Scenario t;
    Program& other = t.start();
    t.user([&] { other.form1().closeRequest(); });
    EXPECT_FALSE(other.running());
}

}  // namespace
}  // namespace torvexa
