#include <gtest/gtest.h>

#include "common/Failure.h"
#include "lang/Catalogue.h"
#include "support/TempDir.h"

namespace torvexa {
namespace {

TEST(Catalogue, CutsCommentsTrimsAndKeepsEveryLineInItsPlace) {
    Catalogue catalogue;
    catalogue.load("Deutsch   # the language\r\n# a comment line\n\t 0.5 \t\n\nLaden#x#y\nA & B\n");
    ASSERT_EQ(catalogue.count(), 6);
    EXPECT_EQ(catalogue.entry(0), "Deutsch");
    EXPECT_EQ(catalogue.entry(1), "");
    EXPECT_EQ(catalogue.entry(2), "0.5");
    EXPECT_EQ(catalogue.entry(3), "");
    EXPECT_EQ(catalogue.entry(4), "Laden");
    EXPECT_EQ(catalogue.entry(5), "A & B");
}

TEST(Catalogue, ReadsAtMost201LinesAndReplacesItsEntries) {
    std::string content;
    for (int i = 0; i < 250; ++i)
        content += "line " + std::to_string(i) + "\n";
    Catalogue catalogue;
    catalogue.load(content);
    EXPECT_EQ(catalogue.count(), 201);
    EXPECT_EQ(catalogue.entry(200), "line 200");
    catalogue.load("a\nb\n");
    EXPECT_EQ(catalogue.count(), 2);
}

TEST(Catalogue, KeepsBytesAsReadWithoutRecognisingAnEncoding) {
    Catalogue catalogue;
    catalogue.load("\xEF\xBB\xBFGr\xFCn\n");
    EXPECT_EQ(catalogue.entry(0),
              "\xEF\xBB\xBFGr\xFCn");  // a byte-order mark stays part of entry 0
}

TEST(Catalogue, LookupOutsideFailsWithTheIndex) {
    Catalogue catalogue;
    try {
        (void)catalogue.entry(63);
        FAIL() << "no failure";
    } catch (const ListIndexError& e) {
        EXPECT_STREQ(e.what(), "List index out of bounds (63)");
    }
    catalogue.load("x\n");
    EXPECT_THROW((void)catalogue.entry(-1), ListIndexError);
    EXPECT_THROW((void)catalogue.entry(1), ListIndexError);
}

}  // namespace
}  // namespace torvexa
