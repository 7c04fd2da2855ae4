// What both views take from one place: message lines, label widths, list choices and the
// observers they must let go of.
#include <gtest/gtest.h>

#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/Following.h"
#include "ui/ListRules.h"
#include "ui/TextRules.h"

namespace torvexa {
namespace {

TEST(ViewRules, MessageLinesBreakAtEveryCrAndCrLfOnce) {
    EXPECT_EQ(messageText("a\rb\r\nc\nd\r", "\n"), "a\nb\nc\nd\n");
    EXPECT_EQ(messageText("a\rb\r\nc", "\r\n"), "a\r\nb\r\nc");
    EXPECT_EQ(messageText("\r\r", "|"), "||");  // an empty line stays a line
    EXPECT_EQ(messageText("50% @ & %s", "\n"), "50% @ & %s");
}

TEST(ViewRules, ALabelGrowsWithItsCaptionUnlessItsSizeIsFixed) {
    Form form{"Form", {0, 0, 400, 300}, "", {}};
    Label growing(&form, "Label16", {0, 0, 21, 14}, "weit");
    Label fixed(&form, "Label37", {0, 0, 41, 14}, "", {.fixedSize = true});
    EXPECT_EQ(shownWidth(growing, 10), 21);  // never narrower than its place
    EXPECT_EQ(shownWidth(growing, 30), 30);
    EXPECT_EQ(shownWidth(fixed, 90), 41);
}

TEST(ViewRules, AChosenRowIsScrolledToBeforeItIsSelected) {
    Form form{"Form", {0, 0, 400, 300}, "", {}};
    form.setVisible(true);
    const std::vector<std::string> texts(100, "x");
    VectorRows rows(texts);
    ListBox list(&form, "ListBox1", {0, 0, 50, 169});
    list.showItems(&rows);
    std::vector<std::pair<int, int>> seenByHandler;
    list.OnClick = [&] { seenByHandler.emplace_back(list.topIndex(), list.itemIndex()); };
    choose(list, 40, 45);
    EXPECT_EQ(seenByHandler, (std::vector<std::pair<int, int>>{{40, 45}}));  // no extra scroll
}

TEST(ViewRules, FollowingTellsAtOnceAndLetsGoWhenItEnds) {
    Form form{"Form", {0, 0, 400, 300}, "", {}};
    CheckBox box(&form, "CheckBox3", {}, "");
    int told = 0;
    {
        Following following;
        following.follow(box, [&](const Change&) { ++told; });
        EXPECT_EQ(told, 1);
        box.setChecked(true);
        EXPECT_EQ(told, 2);
    }
    box.setChecked(false);  // the observer's owner is gone: nothing may call it
    EXPECT_EQ(told, 2);
}

}  // namespace
}  // namespace torvexa
