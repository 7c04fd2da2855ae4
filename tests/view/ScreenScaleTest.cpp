// The desktop's scale, from the X resources and TORVEXA_SCALE.
#include <gtest/gtest.h>

#include <sstream>

#include "view/fltk/ScreenScale.h"

namespace torvexa::fltk {
namespace {

TEST(ScreenScale, XftDpiIsReadFromTheResourcesAsDesktopsWriteThem) {
    EXPECT_EQ(xftDpi("Xft.antialias:\t1\nXft.dpi:\t192\nXft.hinting:\t1\n"), 192.0);
    EXPECT_EQ(xftDpi("Xft.dpi: 120.5"), 120.5);
    EXPECT_EQ(xftDpi("Xcursor.size:\t24\n"), std::nullopt);
    EXPECT_EQ(xftDpi("Xft.dpi:\tlarge\n"), std::nullopt);
    EXPECT_EQ(xftDpi("Xft.dpi.extra:\t192\n"), std::nullopt);
    EXPECT_EQ(xftDpi(""), std::nullopt);
}

TEST(ScreenScale, TheOverrideWinsWhenItIsUsableAndIsToldWhenNot) {
    std::ostringstream told;
    EXPECT_EQ(desktopScale(144.0, nullptr, told), 1.5);
    EXPECT_EQ(desktopScale(std::nullopt, nullptr, told), 1.0);
    EXPECT_EQ(desktopScale(std::nullopt, "2", told), 2.0);
    EXPECT_EQ(desktopScale(192.0, "1.25", told), 1.25);
    EXPECT_TRUE(told.str().empty());
    for (const char* unusable : {"0.5", "5", "big", "2x", "nan"}) {
        std::ostringstream warning;
        EXPECT_EQ(desktopScale(120.0, unusable, warning), 1.25) << unusable;
        EXPECT_NE(warning.str().find("TORVEXA_SCALE"), std::string::npos) << unusable;
    }
}

TEST(ScreenScale, NearOneIsOneAndNeverSmallerThanTheLayout) {
    std::ostringstream told;
    EXPECT_EQ(desktopScale(97.0, nullptr, told), 1.0);
    EXPECT_EQ(desktopScale(72.0, nullptr, told), 1.0);
    EXPECT_EQ(desktopScale(120.0, nullptr, told), 1.25);
    EXPECT_EQ(desktopScale(480.0, nullptr, told), 4.0);
}

}  // namespace
}  // namespace torvexa::fltk
