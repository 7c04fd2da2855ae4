#include <gtest/gtest.h>

#include <map>

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
    // A tooltip's whole path: "Program Files" stays on one line, nothing is left out.
    EXPECT_EQ(wholePathLines("/home/a/drive_c/Program Files/Grand Prix 4/f1graphics.cfg", 180,
                             tenALetter),
              "/home/a/drive_c/\nProgram Files/\nGrand Prix 4/\nf1graphics.cfg");
    EXPECT_EQ(wholePathLines("/x/ПётрПётрПётр/y", 60, tenALetter), "/x/\nПётрПётрПётр/\ny");
    // A name wider than a line is left out where it is a middle folder, and otherwise ends in
    // "…", its letters whole.
    EXPECT_EQ(pathLines("/x/ПётрПётрПётр/y", 60, 8, tenALetter), (Lines{"/x/…/y"}));
    EXPECT_EQ(pathLines("/a/ПётрПётрПётр.cfg", 60, 8, tenALetter), (Lines{"/a/", "ПётрП…"}));
}

// Where the path has more lines than its place, folders give way to "…": the drive or first
// folder, a Wine prefix's own folder, the game's folder and the file name stay longest.
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
              (Lines{"/home/…/GP4/", "drive_c/…/", "Grand Prix 4/", "f1graphics.cfg"}));
    EXPECT_EQ(pathLines(bottles, 150, 2, tenALetter), (Lines{"/home/…/GP4/…/", "f1graphics.cfg"}));
    const std::string windows =
        "C:\\Users\\Maximiliane Oberhuber\\AppData\\Local\\VirtualStore\\"
        "Program Files (x86)\\Infogrames\\Grand Prix 4\\f1graphics.cfg";
    EXPECT_EQ(pathLines(windows, 200, 3, tenALetter),
              (Lines{"C:\\…\\Infogrames\\", "Grand Prix 4\\", "f1graphics.cfg"}));
    EXPECT_EQ(pathLines(windows, 200, 2, tenALetter),
              (Lines{"C:\\…\\Grand Prix 4\\", "f1graphics.cfg"}));
    EXPECT_EQ(pathLines(windows, 200, 1, tenALetter), (Lines{"C:\\…\\f1graphics.cfg"}));
    EXPECT_EQ(pathLines(bottles, 150, 1, tenALetter), Lines{"f1graphics.cfg"});
    // A game's folder wider than a line breaks after its blanks and stays.
    const std::string spanish =
        "C:\\Program Files\\Infogrames Juegos\\"
        "Grand Prix 4 Edici\xC3\xB3n Coleccionista\\f1graphics.cfg";
    EXPECT_EQ(pathLines(spanish, 150, 8, tenALetter),
              (Lines{"C:\\", "Program Files\\", "Infogrames ", "Juegos\\", "Grand Prix 4 ",
                     "Edici\xC3\xB3n ", "Coleccionista\\", "f1graphics.cfg"}));
    EXPECT_EQ(pathLines(spanish, 150, 5, tenALetter),
              (Lines{"C:\\\xE2\x80\xA6\\", "Grand Prix 4 ", "Edici\xC3\xB3n ", "Coleccionista\\",
                     "f1graphics.cfg"}));
    // The prefix's folder tells two prefixes apart: it stays wherever two lines are, with the
    // game's folder from three, at the widths of 100 % and 200 %.
    const std::map<std::string, std::string> prefixes = {
        {bottles, "GP4/"},
        {steam, "pfx/"},
        {"/home/anna/Games/grand-prix-4/drive_c/Program Files/Infogrames/Grand Prix 4/"
         "f1graphics.cfg",
         "grand-prix-4/"}};
    for (const auto& [path, prefix] : prefixes) {
        for (const int width : {233, 466}) {  // the label at 100 % and at 200 %
            for (int lines = 1; lines <= 6; ++lines) {
                const Lines shown = pathLines(path, width, lines, tenALetter);
                std::string all;
                for (const std::string& line : shown)
                    all += line;
                EXPECT_LE(static_cast<int>(shown.size()), lines);
                EXPECT_TRUE(lines == 1 || shown.front().starts_with("/home/")) << all;
                EXPECT_TRUE(shown.back().ends_with("f1graphics.cfg")) << all;
                EXPECT_TRUE(lines < 2 || all.find("/" + prefix) != std::string::npos) << all;
                EXPECT_TRUE(lines < 3 || all.find("/Grand Prix 4/") != std::string::npos) << all;
            }
        }
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
