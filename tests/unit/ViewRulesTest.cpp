// What both views take from one place: message lines, label widths, list choices, the
// observers they must let go of, colours, windows, radio groups, page buttons and the scale.
#include <gtest/gtest.h>

#include "support/ScriptedDialogs.h"
#include "ui/Application.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"
#include "ui/FlatButtonLook.h"
#include "ui/Following.h"
#include "ui/Form.h"
#include "ui/ListRules.h"
#include "ui/Palette.h"
#include "ui/RadioGroups.h"
#include "ui/ReaderNames.h"
#include "ui/Scale.h"
#include "ui/TextRules.h"
#include "ui/WindowRules.h"

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

TEST(ViewRules, EveryWidgetFollowingOneControlIsTold) {
    Form form{"Form", {0, 0, 400, 300}, "", {}};
    CheckBox box(&form, "CheckBox20", {}, "Zeile 27 setzen auf:");
    Following following;
    std::string ownCaption;
    std::string borrowedCaption;
    following.follow(box, [&](const Change&) { ownCaption = box.caption(); });
    following.follow(box, [&](const Change&) { borrowedCaption = box.caption(); });
    box.setCaption("Set line 27 to:");
    EXPECT_EQ(ownCaption, "Set line 27 to:");
    EXPECT_EQ(borrowedCaption, "Set line 27 to:");
}

TEST(ViewRules, AFieldsOwnLabelStandsRightBeforeItElseAHiddenOneCarriesItsName) {
    Form form{"Form", {0, 0, 400, 300}, "", {}};
    Panel values(&form, "Panel8", {});
    Edit edit1(&values, "edit1", {}, "");
    Edit edit2(&values, "edit2", {}, "");
    Label label29(&values, "Label29", {}, "Neuer Wert:");
    Label label32(&values, "Label32", {}, "Beschreibung:");
    Panel lists(&form, "Panel7", {});
    ListBox listBox1(&lists, "ListBox1", {});
    ListBox listBox4(&lists, "ListBox4", {});
    CheckBox box(&form, "CheckBox20", {}, "Zeile 27 setzen auf:");
    Edit edit3(&form, "Edit3", {}, "1");
    Label unused(&form, "Label37", {}, "");
    edit1.setNamedBy(label29);
    edit2.setNamedBy(label32);
    listBox1.setNamedBy(label29);  // a label of another panel
    listBox4.setNamedBy(label32);
    edit3.setNamedBy(box);  // a check box beside it
    EXPECT_EQ(ownLabelOf(edit1), &label29);
    EXPECT_EQ(ownLabelOf(edit2), &label32);
    EXPECT_EQ(ownLabelOf(listBox1), nullptr);
    EXPECT_EQ(ownLabelOf(edit3), nullptr);
    EXPECT_EQ(ownLabelOf(unused), nullptr);
    EXPECT_TRUE(placedBeforeItsField(label29));
    EXPECT_TRUE(placedBeforeItsField(label32));
    EXPECT_FALSE(placedBeforeItsField(unused));
    EXPECT_FALSE(placedBeforeItsField(box));

    // One label naming two fields beside it stands before the first; the second gets a
    // hidden one.
    edit2.setNamedBy(label29);
    EXPECT_EQ(ownLabelOf(edit1), &label29);
    EXPECT_EQ(ownLabelOf(edit2), nullptr);
}

TEST(ViewRules, RadioButtonsFollowingEachOtherInTabOrderChooseTogether) {
    Form form{"Form", {0, 0, 400, 300}, "", {}};
    form.setVisible(true);
    RadioButton a(&form, "RadioButton1", {}, "a");
    RadioButton b(&form, "RadioButton2", {}, "b");
    RadioButton c(&form, "RadioButton3", {}, "c");
    CheckBox between(&form, "CheckBox1", {}, "x");
    RadioButton d(&form, "RadioButton4", {}, "d");
    EXPECT_EQ(radioGroupOf(b), (std::vector<RadioButton*>{&a, &b, &c}));
    EXPECT_EQ(radioGroupOf(d), (std::vector<RadioButton*>{&d}));
    EXPECT_TRUE(startsRadioGroup(a));
    EXPECT_FALSE(startsRadioGroup(c));
    EXPECT_TRUE(startsRadioGroup(d));

    d.click();
    a.click();
    EXPECT_TRUE(d.checked()) << "another group keeps its choice";
    c.click();
    EXPECT_FALSE(a.checked());

    EXPECT_TRUE(isRadioTabStop(c));
    EXPECT_FALSE(isRadioTabStop(a));
    b.setEnabled(false);
    EXPECT_EQ(radioNeighbour(c, -1), &a) << "an arrow passes over a disabled button";
    EXPECT_EQ(radioNeighbour(c, +1), nullptr) << "and stops at the group's end";
}

TEST(ViewRules, ListsAndDropDownFieldsAreWhiteWhateverLiesBehindThem) {
    Form form{"Form", {0, 0, 400, 300}, "", {.colour = Colour::MoneyGreen}};
    ListBox list(&form, "ListBox1", {});
    ComboBox combo(&form, "ComboBox1", {}, ComboBox::Style::Fixed, {"a"});
    Label label(&form, "Label1", {}, "x");
    EXPECT_EQ(textBackgroundOf(list), Colour::Window);
    EXPECT_EQ(textBackgroundOf(combo), Colour::Window);
    EXPECT_EQ(textBackgroundOf(label), Colour::MoneyGreen);
    EXPECT_TRUE(isSystemColour(Colour::Window));
    EXPECT_FALSE(isSystemColour(Colour::MoneyGreen));
}

TEST(ViewRules, InHighContrastEveryColourIsTheSystemsAndLinksStayLinks) {
    for (const Colour colour :
         {Colour::ButtonFace, Colour::WindowText, Colour::Window, Colour::HotLight, Colour::SkyBlue,
          Colour::MoneyGreen, Colour::Navy}) {
        EXPECT_TRUE(isSystemColour(highContrastOf(colour))) << static_cast<int>(colour);
    }
    EXPECT_EQ(highContrastOf(Colour::SkyBlue), Colour::ButtonFace);
    EXPECT_EQ(highContrastOf(Colour::Navy), Colour::HotLight);  // not the plain text's colour
    EXPECT_EQ(highContrastOf(Colour::Window), Colour::Window);  // fields stay fields
}

TEST(ViewRules, ADropDownAnnouncesNewItemsSoThatViewsRebuildOnlyThen) {
    Form form{"Form", {0, 0, 400, 300}, "", {}};
    ComboBox combo(&form, "ComboBox1", {}, ComboBox::Style::Editable, {"a", "b"});
    std::vector<bool> rebuilt;
    combo.setObserver([&](const Change& change) { rebuilt.push_back(itemsChanged(change)); });
    combo.setText("b");
    combo.setItem(0, "c");
    EXPECT_EQ(rebuilt, (std::vector<bool>{false, true}));
}

TEST(ViewRules, DropDownKeysMoveWithinTheItemsAndAPageKeepsOneRowInSight) {
    EXPECT_EQ(movedItem(1, 3, ListKey::Down, 12), 2);
    EXPECT_EQ(movedItem(2, 3, ListKey::Down, 12), 2) << "the last stays";
    EXPECT_EQ(movedItem(0, 3, ListKey::Up, 12), 0) << "the first stays";
    EXPECT_EQ(movedItem(2, 19, ListKey::PageDown, 12), 13);
    EXPECT_EQ(movedItem(13, 19, ListKey::PageDown, 12), 18);
    EXPECT_EQ(movedItem(13, 19, ListKey::PageUp, 12), 2);
    EXPECT_EQ(movedItem(5, 19, ListKey::Home, 12), 0);
    EXPECT_EQ(movedItem(5, 19, ListKey::End, 12), 18);
    EXPECT_EQ(movedItem(-1, 3, ListKey::Up, 12), 0) << "none chosen: the first";
    EXPECT_EQ(movedItem(-1, 3, ListKey::Down, 12), 0);
    EXPECT_EQ(movedItem(-1, 3, ListKey::End, 12), 2);
    EXPECT_EQ(movedItem(-1, 0, ListKey::Down, 12), -1) << "no items";
}

TEST(ViewRules, AWindowIsShownWhileTheProgramRunsAndByDefaultOnlyTheTitleBarClosesIt) {
    test::ScriptedDialogs dialogs;
    Application application(dialogs, "torvexa");
    Form form{"Form", {0, 0, 400, 300}, "", {}};
    form.setVisible(true);
    EXPECT_TRUE(shownOnScreen(form, application));
    requestClose(form, CloseRequest::EscapeKey);
    requestClose(form, CloseRequest::EnterKey);
    EXPECT_TRUE(form.visible());
    requestClose(form, CloseRequest::TitleBar);  // the form decides: a plain one hides
    EXPECT_FALSE(form.visible());
    form.setVisible(true);
    application.terminate();
    EXPECT_FALSE(shownOnScreen(form, application));
}

TEST(ViewRules, APageButtonShowsAFrameOnlyUnderThePointerAndSinksWhilePressed) {
    EXPECT_EQ(flatFrameOf({}), FlatFrame::Flat);
    EXPECT_EQ(flatFrameOf({.hovered = true}), FlatFrame::Raised);
    EXPECT_EQ(flatFrameOf({.hovered = true, .pressed = true}), FlatFrame::Sunken);
    EXPECT_EQ(flatFrameOf({.enabled = false, .hovered = true}), FlatFrame::Flat);
}

TEST(ViewRules, ScaledNeighboursNeitherGapNorOverlap) {
    for (const double scale : {1.0, 1.25, 1.5, 1.75, 2.0}) {
        const Rect left = scaledRect({7, 3, 21, 13}, scale);
        const Rect right = scaledRect({28, 3, 33, 13}, scale);  // starts where the left one ends
        EXPECT_EQ(left.left + left.width, right.left) << scale;
        EXPECT_EQ(scaledRect({0, 0, 21, 13}, scale).width, scaled(21, scale)) << scale;
    }
    EXPECT_EQ(scaledRect({7, 3, 21, 13}, 1.5), (Rect{11, 5, 31, 19}));  // 10.5 and 4.5 round up
    EXPECT_EQ(scaledFont(11, 1.25), 13);  // 13.75: rounded down, the text never outgrows
    EXPECT_EQ(scaledFont(11, 2), 22);
    EXPECT_EQ(lineWidth(1.5), 1);
    EXPECT_EQ(lineWidth(2), 2);
}

TEST(ViewRules, AWindowIsMovedInsideItsScreensWorkArea) {
    const Rect area{0, 0, 1280, 994};  // a 1280x1024 screen less a 30-pixel panel
    EXPECT_EQ(keptInside({429, 256, 881, 418}, area), (Rect{399, 256, 881, 418}));
    EXPECT_EQ(keptInside({100, 900, 300, 200}, area), (Rect{100, 794, 300, 200}));
    EXPECT_EQ(keptInside({-50, -20, 300, 200}, area), (Rect{0, 0, 300, 200}));
    EXPECT_EQ(keptInside({500, 10, 2000, 200}, area), (Rect{0, 10, 2000, 200}))
        << "wider than the screen: its left edge on it";
    const Rect second{1280, 0, 1920, 1080};  // a monitor to the right
    EXPECT_EQ(keptInside({3000, 100, 587, 279}, second), (Rect{2613, 100, 587, 279}));
    // The frame a desktop adds stays inside too: the preset dialog at 200 % on 1280x800.
    const FrameSize frame{8, 64, 8, 8};
    EXPECT_EQ(keptInside({404, 1020, 922, 276}, {0, 0, 1280, 800}, frame),
              (Rect{350, 516, 922, 276}));
    EXPECT_EQ(keptInside({0, 0, 300, 200}, area, frame), (Rect{8, 64, 300, 200}));
}

TEST(ViewRules, TheOpenDialogsFilterIsReadAsNameAndPatternPairs) {
    const FileDialogSettings settings{"ZEL Sprachdateien|*.zpr|ZEL Languagefiles|*.txt"};
    EXPECT_EQ(settings.filters(), (std::vector<FileFilter>{{"ZEL Sprachdateien", "*.zpr"},
                                                           {"ZEL Languagefiles", "*.txt"}}));
    EXPECT_EQ(FileDialogSettings{"Alle|*.*|ohne Muster"}.filters(),
              (std::vector<FileFilter>{{"Alle", "*.*"}}));
}

}  // namespace
}  // namespace torvexa
