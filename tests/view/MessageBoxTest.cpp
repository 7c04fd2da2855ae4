// Message boxes are sized to their text as FLTK draws it.
#include <gtest/gtest.h>

#include <FL/Fl.H>
#include <FL/fl_draw.H>

#include "view/fltk/FltkDialogs.h"
#include "view/fltk/FltkVersion.h"
#include "view/fltk/FltkView.h"
#include "view/fltk/Toolkit.h"

namespace torvexa::fltk {
namespace {

// The text's height when drawn at the width the layout gives it.
int drawnHeight(const std::string& text, int width) {
    fl_font(FL_HELVETICA, FL_NORMAL_SIZE);
    int w = width;
    int h = 0;
    fl_measure(text.c_str(), w, h, 0);
    return h;
}

TEST(MessageBox, AShortMessageStaysOnOneLine) {
    initialiseToolkit();
    openDisplay();
    for (const std::string text : {"List index out of bounds (63).", "File not found.",
                                   "'0X10' is not a valid integer value."}) {
        const MessageLayout layout = layoutMessage(text);
        EXPECT_EQ(drawnHeight(text, layout.text.w), fl_height()) << text;
        EXPECT_GE(layout.width, 200) << text;
    }
}

TEST(MessageBox, LongTextWrapsWithinTheBoxAndKeepsAMarginAboveTheButton) {
    initialiseToolkit();
    openDisplay();
    const std::string missing =
        "Die gewaehle Sprachdatei wurde nicht gefunden!\nStarten Sie Torvexa neu!\n\n"
        "Languagefile not found!\nPlease restart Torvexa";
    const std::string longLine(60, 'x');
    for (const std::string& text : {missing, longLine + " " + longLine + " " + longLine}) {
        const MessageLayout layout = layoutMessage(text);
        EXPECT_LE(layout.width, 520);
        EXPECT_EQ(drawnHeight(text, layout.text.w), layout.text.h);
        EXPECT_GE(layout.button.y, layout.text.y + layout.text.h + 12);
        EXPECT_LE(layout.button.y + layout.button.h, layout.height - 12);
    }
}

}  // namespace
}  // namespace torvexa::fltk
