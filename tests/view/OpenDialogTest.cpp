// The open dialog lists a folder as a person expects and speaks the desktop's language.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/TempDir.h"
#include "view/fltk/FolderListing.h"

namespace torvexa::fltk {
namespace {

namespace fs = std::filesystem;

TEST(PersonOrder, IgnoresCaseKeepsUmlautsWithTheirLettersAndReadsNumbersByValue) {
    std::vector<std::string> names = {
        "zebra.zpr", "Übersetzung.zpr", "Umlaut.zpr", "ärger.zpr", "Anton.zpr",
        "beta.zpr",  "Beta.zpr",        "file10.zpr", "file9.zpr", "file010b.zpr",
        "б.zpr",  // Cyrillic after Latin
        "А.zpr",
    };
    std::sort(names.begin(), names.end(), personOrderLess);
    const std::vector<std::string> expected = {
        "Anton.zpr",    "ärger.zpr",       "Beta.zpr",   "beta.zpr",  "file9.zpr", "file10.zpr",
        "file010b.zpr", "Übersetzung.zpr", "Umlaut.zpr", "zebra.zpr", "А.zpr",     "б.zpr"};
    EXPECT_EQ(names, expected);
}

TEST(PersonOrder, BytesThatAreNoUtf8StillHaveTheirPlace) {
    EXPECT_TRUE(personOrderLess("a\xFF", "b"));
    EXPECT_FALSE(personOrderLess("b", "a\xFF"));
    EXPECT_FALSE(personOrderLess("x", "x"));
}

TEST(FolderListing, ParentFirstThenFoldersThenMatchingFilesEachInPersonOrder) {
    test::TempDir dir;
    for (const char* folder : {"zeta", "Alpha", "Äpfel", "2 Sprachen", "10 Sprachen", ".hidden"})
        fs::create_directory(dir / folder);
    for (const char* file : {"b.zpr", "A.ZPR", "notes.txt", "c.zprx", "#1 @home.zpr", ".x.zpr"})
        test::writeBytes(dir / file, "x");
    EXPECT_EQ(listFolder(dir.path(), "*.zpr"),
              (std::vector<std::string>{"../", "2 Sprachen/", "10 Sprachen/", "Alpha/", "Äpfel/",
                                        "zeta/", "#1 @home.zpr", "A.ZPR", "b.zpr"}));
    EXPECT_EQ(listFolder(dir.path(), "*.txt;*.zprx"),
              (std::vector<std::string>{"../", "2 Sprachen/", "10 Sprachen/", "Alpha/", "Äpfel/",
                                        "zeta/", "c.zprx", "notes.txt"}));
    EXPECT_EQ(listFolder(dir / "gone", "*"), std::vector<std::string>{"../"});
    EXPECT_EQ(listFolder("/", "*").front(), "bin/") << "no parent at the root";
}

TEST(OpenDialogWords, FollowTheDesktopLanguageInTheSystemsOrderOfVariables) {
    EXPECT_TRUE(desktopSpeaksGerman(nullptr, nullptr, "de_DE.UTF-8"));
    EXPECT_TRUE(desktopSpeaksGerman(nullptr, nullptr, "de_AT"));
    EXPECT_TRUE(desktopSpeaksGerman(nullptr, "de", "en_GB.UTF-8"));
    EXPECT_TRUE(desktopSpeaksGerman("de_CH.UTF-8@euro", "en_US", "en_US"));
    EXPECT_FALSE(desktopSpeaksGerman("C", "de_DE", "de_DE"));  // LC_ALL decides
    EXPECT_FALSE(desktopSpeaksGerman("", "", "en_US.UTF-8"));
    EXPECT_TRUE(desktopSpeaksGerman("", "", "de_DE.UTF-8"));  // empty means not set
    EXPECT_FALSE(desktopSpeaksGerman(nullptr, nullptr, nullptr));
    EXPECT_FALSE(desktopSpeaksGerman(nullptr, nullptr, "dee_XX"));

    EXPECT_STREQ(openDialogWords(true).title, "Öffnen");
    EXPECT_STREQ(openDialogWords(true).cancel, "Abbrechen");
    EXPECT_STREQ(openDialogWords(false).title, "Open");
    EXPECT_STREQ(openDialogWords(false).fileName, "File name:");
}

}  // namespace
}  // namespace torvexa::fltk
