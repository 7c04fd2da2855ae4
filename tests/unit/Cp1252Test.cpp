#include <gtest/gtest.h>

#include "common/Cp1252.h"

namespace torvexa {
namespace {

TEST(Cp1252, ConvertsGermanTextBothWays) {
    const std::string program = "Grafikqualit\xE4t \x80 \x84 \xDF";
    const std::string utf8 = "Grafikqualität € „ ß";
    EXPECT_EQ(cp1252ToUtf8(program), utf8);
    EXPECT_EQ(utf8ToCp1252(utf8), program);
}

TEST(Cp1252, EveryByteSurvivesTheRoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(all)), all);
}

TEST(Cp1252, KeepsInvalidUtf8AsBytesAndMarksUnmappableCharacters) {
    EXPECT_EQ(utf8ToCp1252("a\xE4"
                           "b"),
              "a\xE4"
              "b");                                   // a Latin-1 byte, not UTF-8
    EXPECT_EQ(utf8ToCp1252("\xE2\x82"), "\xE2\x82");  // a cut sequence
    EXPECT_EQ(utf8ToCp1252("日本"), "??");
}

TEST(Cp1252, FoldsCaseOfLatinLetters) {
    EXPECT_EQ(lowerCp1252('Q'), 'q');
    EXPECT_EQ(lowerCp1252('\xC4'), '\xE4');  // Ä
    EXPECT_EQ(lowerCp1252('\xD7'), '\xD7');  // × has no case
    EXPECT_EQ(lowerCp1252('1'), '1');
}

}  // namespace
}  // namespace torvexa
