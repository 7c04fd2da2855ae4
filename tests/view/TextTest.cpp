// The program's texts as FLTK is given them: literal, whatever "&", "@" or "%" they hold.
#include <gtest/gtest.h>

#include "view/fltk/Text.h"

namespace torvexa::fltk {
namespace {

TEST(FltkText, EachKindOfWidgetGetsTheEscapingItNeeds) {
    struct Case {
        const char* program;
        const char* caption;     // buttons, check boxes, menus: they read "&" themselves
        const char* boxCaption;  // labels: "&&" shows "&", a lone "&" is an access mark
        const char* item;        // drop-down items: neither "@" nor "&" is read
    };
    const Case cases[] = {
        {"T&&L", "T&&L", "T&L", "T&&&&L"},
        {"&Laden", "&Laden", "Laden", "&&Laden"},
        {"mail@example.org", "mail@@example.org", "mail@@example.org", "mail@@example.org"},
        {"@C4@.", "@@C4@@.", "@@C4@@.", "@@C4@@."},
        {"100% %s %d", "100% %s %d", "100% %s %d", "100% %s %d"},
        {"Gr\xFCn \xDF", "Gr\xC3\xBCn \xC3\x9F", "Gr\xC3\xBCn \xC3\x9F", "Gr\xC3\xBCn \xC3\x9F"},
        {"ends with &", "ends with &", "ends with ", "ends with &&"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(captionText(c.program), c.caption) << c.program;
        EXPECT_EQ(boxCaptionText(c.program), c.boxCaption) << c.program;
        EXPECT_EQ(itemText(c.program), c.item) << c.program;
    }
}

TEST(FltkText, InputsAndListsShowTextAsItStandsAndGiveTypingBack) {
    EXPECT_EQ(displayText("@& 50% \xE4"), "@& 50% \xC3\xA4");  // inputs and rows read nothing
    EXPECT_EQ(plainText("a@b & 5%"), "a@@b & 5%");             // a message box's text
    EXPECT_EQ(machineText("/home/j\xC3\xBCrgen/@x"), "/home/j\xC3\xBCrgen/@@x");
    EXPECT_EQ(typedText("K\xC3\xA4se & @%"), "K\xE4se & @%");
    EXPECT_EQ(typedText(nullptr), "");
}

}  // namespace
}  // namespace torvexa::fltk
