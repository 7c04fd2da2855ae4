// The manual page's lists, as a person scrolls them before the screen has drawn them once.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "view/fltk/RowBrowser.h"

namespace torvexa::fltk {
namespace {

constexpr int kRow = 12;

struct UndrawnList : ::testing::Test {
    UndrawnList() {
        list.box(FL_DOWN_BOX);
        std::vector<std::string> rows;
        for (int i = 0; i < 170; ++i)
            rows.push_back("row " + std::to_string(i));
        list.replaceAll(VectorRows(rows));
    }
    void dragBarTo(int pixels) {
        list.scrollbar.value(pixels);
        list.scrollbar.do_callback();
    }
    // 100 pixels of inner height: 8 whole rows, so 162 is the last top row.
    RowBrowser list{0, 0, 200, 100 + Fl::box_dh(FL_DOWN_BOX), kRow};
};

TEST_F(UndrawnList, ABarDraggedBetweenTwoRowsStopsAtTheNearerOne) {
    dragBarTo(10 * kRow + 5);
    EXPECT_EQ(list.firstShownRow(), 10);
    dragBarTo(10 * kRow + 7);
    EXPECT_EQ(list.firstShownRow(), 11);
}

TEST_F(UndrawnList, TheBarsEndShowsTheLastRowWhole) {
    dragBarTo(170 * kRow - 100);
    EXPECT_EQ(list.firstShownRow(), list.lastTopRow());
    EXPECT_EQ(list.lastTopRow(), 162);
}

TEST_F(UndrawnList, TheWheelMovesWholeRowsAndStopsAtTheLastOne) {
    int told = 0;
    list.whenScrolled([](void* count) { ++*static_cast<int*>(count); }, &told);
    Fl::e_dy = 2;  // two notches down
    static_cast<Fl_Widget&>(list).handle(FL_MOUSEWHEEL);
    EXPECT_EQ(list.firstShownRow(), 6);
    EXPECT_EQ(told, 1);
    list.showFromRow(160);
    static_cast<Fl_Widget&>(list).handle(FL_MOUSEWHEEL);
    EXPECT_EQ(list.firstShownRow(), list.lastTopRow());
    Fl::e_dy = -1;
    static_cast<Fl_Widget&>(list).handle(FL_MOUSEWHEEL);
    EXPECT_EQ(list.firstShownRow(), list.lastTopRow() - 3);
}

}  // namespace
}  // namespace torvexa::fltk
