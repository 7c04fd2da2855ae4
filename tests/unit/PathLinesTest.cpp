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

using Lines = std::vector<std::string>;

TEST(PathLines, APathBreaksOnlyAfterItsSeparators) {
    EXPECT_EQ(pathLines("/home/a/f1graphics.cfg", 150, 8, tenALetter),
              (Lines{"/home/a/", "f1graphics.cfg"}));
    EXPECT_EQ(pathLines("/home/Пётр Иванов/gp4/x.cfg", 120, 8, tenALetter),
              (Lines{"/home/", "Пётр Иванов/", "gp4/x.cfg"}));
    EXPECT_EQ(pathLines("C:\\Spiele\\GP4\\f1graphics.cfg", 150, 8, tenALetter),
              (Lines{"C:\\Spiele\\GP4\\", "f1graphics.cfg"}));
    EXPECT_EQ(pathLines("", 30, 8, tenALetter), Lines{});
    // A name wider than a line is left out where it is a middle folder, and otherwise ends in
    // "…", its letters whole.
    EXPECT_EQ(pathLines("/x/ПётрПётрПётр/y", 60, 8, tenALetter), (Lines{"/x/…/y"}));
    EXPECT_EQ(pathLines("/a/ПётрПётрПётр.cfg", 60, 8, tenALetter), (Lines{"/a/", "ПётрП…"}));
}

// Where the path has more lines than its place, middle folders give way to "…": the drive or
// first folder and the file name always show, with as many folders before the file as fit.
TEST(PathLines, APathTooLongForItsPlaceLeavesOutMiddleFolders) {
    const std::string steam =
        "/home/anna/.local/share/Steam/steamapps/compatdata/2160/pfx/drive_c/"
        "Program Files (x86)/Grand Prix 4/f1graphics.cfg";
    EXPECT_EQ(
        pathLines(steam, 200, 4, tenALetter),
        (Lines{"/home/…/pfx/drive_c/", "Program Files (x86)/", "Grand Prix 4/", "f1graphics.cfg"}));
    const std::string bottles =
        "/home/anna/.var/app/com.usebottles.bottles/data/bottles/bottles/GP4/drive_c/"
        "Program Files (x86)/Infogrames/Grand Prix 4/f1graphics.cfg";
    EXPECT_EQ(pathLines(bottles, 150, 4, tenALetter),
              (Lines{"/home/…/", "Infogrames/", "Grand Prix 4/", "f1graphics.cfg"}));
    const std::string windows =
        "C:\\Users\\Maximiliane Oberhuber\\AppData\\Local\\VirtualStore\\"
        "Program Files (x86)\\Infogrames\\Grand Prix 4\\f1graphics.cfg";
    EXPECT_EQ(pathLines(windows, 200, 3, tenALetter),
              (Lines{"C:\\…\\Infogrames\\", "Grand Prix 4\\", "f1graphics.cfg"}));
    EXPECT_EQ(pathLines(windows, 200, 2, tenALetter),
              (Lines{"C:\\…\\Grand Prix 4\\", "f1graphics.cfg"}));
    EXPECT_EQ(pathLines(windows, 200, 1, tenALetter), (Lines{"C:\\…\\f1graphics.cfg"}));
    EXPECT_EQ(pathLines(bottles, 150, 1, tenALetter), Lines{"f1graphics.cfg"});
    for (int lines = 1; lines <= 6; ++lines) {
        const Lines shown = pathLines(bottles, 150, lines, tenALetter);
        EXPECT_LE(static_cast<int>(shown.size()), lines);
        EXPECT_TRUE(lines == 1 || shown.front().starts_with("/home/")) << lines;
        EXPECT_TRUE(shown.back().ends_with("f1graphics.cfg")) << lines;
    }
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
