#include <gtest/gtest.h>

#include "ui/Controls.h"
#include "ui/PathLines.h"

namespace torvexa {
namespace {

// Every letter (not byte) 10 pixels wide.
int tenALetter(std::string_view text) {
    int letters = 0;
    for (const char c : text)
        letters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return letters * 10;
}

TEST(PathLines, APathBreaksAfterItsSeparatorsAndLongNamesBetweenLetters) {
    using Lines = std::vector<std::string>;
    EXPECT_EQ(pathLines("/home/a/f1graphics.cfg", 80, tenALetter),
              (Lines{"/home/a/", "f1graphi", "cs.cfg"}));
    EXPECT_EQ(pathLines("/home/Пётр Иванов/gp4/x.cfg", 120, tenALetter),
              (Lines{"/home/", "Пётр Иванов/", "gp4/x.cfg"}));
    EXPECT_EQ(pathLines("C:\\Spiele\\GP4\\f1graphics.cfg", 150, tenALetter),
              (Lines{"C:\\Spiele\\GP4\\", "f1graphics.cfg"}));
    EXPECT_EQ(pathLines("ПётрПётр", 30, tenALetter), (Lines{"Пёт", "рПё", "тр"}));
    EXPECT_EQ(pathLines("", 30, tenALetter), Lines{});
    EXPECT_EQ(pathLines("abc", 5, tenALetter), (Lines{"a", "b", "c"}));  // one letter at least
}

TEST(Typing, NoFieldTakesALineBreakAndANumberFieldTakesDigitsOnly) {
    for (const char* text : {"a\rb", "a\n", "\x1A", "1\r\n2"}) {
        EXPECT_FALSE(typeable(text, Typing::Text)) << text;
        EXPECT_FALSE(typeable(text, Typing::Digits)) << text;
    }
    EXPECT_TRUE(typeable("  1 ; x@%&", Typing::Text));
    EXPECT_TRUE(typeable("", Typing::Digits));
    EXPECT_TRUE(typeable("0123456789", Typing::Digits));
    for (const char* text : {"-1", "+1", " 1", "1a", "$1F", "1.5", "\xB2"})
        EXPECT_FALSE(typeable(text, Typing::Digits)) << text;
}

}  // namespace
}  // namespace torvexa
