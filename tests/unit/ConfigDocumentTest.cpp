#include <gtest/gtest.h>

#include "common/Failure.h"
#include "config/ConfigDocument.h"
#include "config/GameInstall.h"
#include "support/TempDir.h"

namespace torvexa {
namespace {

ConfigDocument documentOf(std::string_view content) {
    ConfigDocument doc;
    doc.load(std::string(content));
    return doc;
}

std::string roundTrip(std::string_view content) { return documentOf(content).serialize(); }

TEST(ConfigDocument, SplitsFaithfulLinesIntoValueTailAndComment) {
    const ConfigDocument doc = documentOf("1  ; Text\n800;Breite\n; comment only\n\n");
    ASSERT_EQ(doc.count(), 4);
    EXPECT_EQ(doc.lineNumbers(), (std::vector<std::string>{"0", "1", "2", "3"}));
    EXPECT_EQ(doc.values(), (std::vector<std::string>{"1", "800", "", ""}));
    EXPECT_EQ(doc.comments(), (std::vector<std::string>{"Text", "ite", "mment only", ""}));
    EXPECT_EQ(doc.tail(0), "  ; Text");
    EXPECT_EQ(doc.tail(1), ";Breite");
    EXPECT_EQ(doc.tail(2), "; comment only");
    EXPECT_EQ(doc.tail(3), "");
    EXPECT_EQ(doc.serialize(), "1  ; Text\r\n800;Breite\r\n; comment only\r\n\r\n");
}

TEST(ConfigDocument, SplitsAtMostTwentyDigitsAndKeepsTheListsEqual) {
    const std::string nineteen(19, '7');
    ConfigDocument doc =
        documentOf(nineteen + ";x\n" + std::string(25, '9') + ";y\n12345678901234567890\n");
    ASSERT_EQ(doc.count(), 3);
    EXPECT_EQ(doc.values().size(), 3u);
    EXPECT_EQ(doc.comments().size(), 3u);
    EXPECT_EQ(doc.lineNumbers().size(), 3u);
    EXPECT_EQ(doc.value(0), nineteen);
    EXPECT_EQ(doc.tail(0), ";x");
    EXPECT_EQ(doc.value(1), std::string(25, '9'));
    EXPECT_EQ(doc.tail(1), "99999;y");
    EXPECT_EQ(doc.value(2), "");
    EXPECT_EQ(doc.serialize(),
              nineteen + ";x\r\n" + std::string(25, '9') + ";y\r\n12345678901234567890\r\n");
    doc.putValue(1, "5");
    EXPECT_EQ(doc.serialize().substr(nineteen.size() + 4, 5), "5;y\r\n");
}

TEST(ConfigDocument, ReadsByTheTextRules) {
    EXPECT_EQ(documentOf("").count(), 0);
    EXPECT_EQ(roundTrip(""), "");
    EXPECT_EQ(documentOf("A\rB\r\n").values().size(), 1u);
    EXPECT_EQ(documentOf("A\rB\r\n").tail(0), "AB");
    EXPECT_EQ(roundTrip("1 ; a\n2 ; b\n"), "1 ; a\r\n2 ; b\r\n");
    EXPECT_EQ(roundTrip("1 ; a\r\n2 ; b"), "1 ; a\r\n2 ; b\r\n");
    EXPECT_EQ(documentOf("1\n2\n\x1A"
                         "3\n4\n")
                  .count(),
              2);
    EXPECT_EQ(documentOf("1\n2\x1A;x\n").tail(1), "\x1A;x");  // Ctrl-Z inside a line is text
    EXPECT_EQ(documentOf("a\n\n").count(), 2);
    const std::string umlauts = "0  ; Gr\xFC\xDF\xE9";
    EXPECT_EQ(roundTrip(umlauts), umlauts + "\r\n");
}

// The end mark and every byte after it come back after the document's lines; a lone CR is
// part of its line's bytes (the lists never show it).
TEST(ConfigDocument, KeepsWhatFollowsTheEndMarkAndLoneCarriageReturns) {
    const std::string after = std::string("\x1A") + "3 ; lost?\n" + std::string(70000, 'z');
    ConfigDocument doc = documentOf("1 ; a\n2 ; b\n" + after);
    EXPECT_EQ(doc.count(), 2);
    EXPECT_EQ(doc.serialize(), "1 ; a\r\n2 ; b\r\n" + after);
    doc.putValue(0, "0");
    EXPECT_EQ(doc.serialize(), "0 ; a\r\n2 ; b\r\n" + after);
    EXPECT_EQ(roundTrip(roundTrip("\x1A\r\n")), "\x1A\r\n");

    const std::string lone =
        "\r\x1A"
        "5 ; starts with a lone CR\r\n1 ; next\r\n";
    doc = documentOf(lone);
    ASSERT_EQ(doc.count(), 2);  // the CR is no end mark, and the Ctrl-Z inside the line is text
    EXPECT_EQ(doc.tail(0),
              "\x1A"
              "5 ; starts with a lone CR");
    EXPECT_EQ(doc.serialize(), lone);
    EXPECT_EQ(roundTrip("A\rB\r\nC\r"), "A\rB\r\nC\r\r\n");

    // A changed value goes into the line's bytes, lone CRs included: written without its CR,
    // this line would begin with the end mark and take itself and all after it away.
    doc = documentOf(
        "\r\x1a"
        "5 ; lone\r\n1 ; next\r\n");
    doc.putValue(0, "7");
    EXPECT_EQ(doc.serialize(),
              "\r\x1a"
              "7 ; lone\r\n1 ; next\r\n");
    doc = documentOf("1\r2 ; x\r\n12\r");
    doc.putValue(0, "9");
    doc.putValue(1, "3");
    EXPECT_EQ(doc.serialize(), "9 ; x\r\n3\r\r\n");  // no ";": the value, then the tail
}

TEST(ConfigDocument, CutsOnlyTheCommentListAt500Characters) {
    const std::string comment(900, 'c');
    const std::string line = "1  ; " + comment;
    ConfigDocument doc = documentOf(line);
    EXPECT_EQ(doc.comment(0), comment.substr(0, 500));
    EXPECT_EQ(doc.serialize(), line + "\r\n");
    doc.putValue(0, "0");
    EXPECT_EQ(doc.serialize(), "0  ; " + comment + "\r\n");
}

TEST(ConfigDocument, WritesUnchangedLinesBackByteForByte) {
    const std::string content = "1024\n800x600 ; res\n  1 ; fullscreen\nabc;def ; x\n\t;tab\n";
    ConfigDocument doc = documentOf(content);
    EXPECT_EQ(doc.values(), (std::vector<std::string>{"", "800x600", "1", "abc", ""}));
    EXPECT_EQ(doc.serialize(),
              "1024\r\n800x600 ; res\r\n  1 ; fullscreen\r\nabc;def ; x\r\n\t;tab\r\n");
    doc.putValue(1, "800x600");  // written again with the same text
    EXPECT_EQ(doc.serialize().substr(6, 15), "800x600 ; res\r\n");
}

TEST(ConfigDocument, ChangedValueReplacesExactlyTheTextItCameFrom) {
    ConfigDocument doc = documentOf("1  ; Text\n800x600 ; res\n  1 ; fullscreen\n; c\n1024\n");
    doc.putValue(0, "0");
    doc.putValue(1, "1024");
    doc.putValue(2, "0");
    doc.putValue(3, "7");
    doc.putValue(4, "800");
    EXPECT_EQ(doc.serialize(), "0  ; Text\r\n1024 ; res\r\n  0 ; fullscreen\r\n7; c\r\n800\r\n");
    doc.putValue(0, "");
    EXPECT_EQ(doc.serialize().substr(0, 9), "  ; Text\r");
}

TEST(ConfigDocument, GetAndPutFailOutsideTheList) {
    ConfigDocument doc = documentOf("1 ; a\n2 ; b\n");
    try {
        (void)doc.value(2);
        FAIL() << "no failure";
    } catch (const ListIndexError& e) {
        EXPECT_STREQ(e.what(), "List index out of bounds (2)");
    }
    EXPECT_THROW((void)doc.value(-1), ListIndexError);
    EXPECT_THROW(doc.putValue(2, "x"), InsertLineError);
    EXPECT_THROW(doc.putValue(3, "x"), InsertLineError);
    EXPECT_THROW(doc.putValue(-1, "x"), ListIndexError);
    EXPECT_EQ(doc.count(), 2);
    EXPECT_EQ(doc.serialize(), "1 ; a\r\n2 ; b\r\n");

    doc.putValue(1, "9");
    EXPECT_EQ(doc.value(1), "9");
    EXPECT_EQ(doc.comment(1), "");
    EXPECT_EQ(doc.tail(1), " ; b");
    EXPECT_THROW(ConfigDocument().putValue(0, "1"), InsertLineError);
}

TEST(ConfigDocument, ClearEmptiesEveryList) {
    ConfigDocument doc = documentOf("1 ; a\n");
    doc.clear();
    doc.load("5 ; b\n6 ; c\n");
    EXPECT_EQ(doc.lineNumbers(), (std::vector<std::string>{"0", "1"}));
    EXPECT_EQ(doc.values(), (std::vector<std::string>{"5", "6"}));
}

TEST(ConfigDocument, ALoadReplacesEverythingTheLastOneRead) {
    ConfigDocument doc = documentOf("1 ; a\r\n\x1Atail of the first");
    doc.putValue(0, "7");
    doc.load("5 ; b\r\n");
    EXPECT_EQ(doc.serialize(), "5 ; b\r\n");  // neither the first file's tail nor its change
    doc.load("\x1Aonly a tail");
    EXPECT_EQ(doc.count(), 0);
    EXPECT_EQ(doc.serialize(), "\x1Aonly a tail");
}

TEST(ConfigDocument, ReadsAndWritesTheSampleFileFaithfully) {
    const std::string sample = test::readBytes(test::dataFolder("examples") + "/f1graphics.cfg");
    const ConfigDocument doc = documentOf(sample);
    EXPECT_GE(doc.count(), 170);
    EXPECT_EQ(doc.serialize(), sample);  // the sample is written with CR LF
    for (const int index :
         {0,  1,  3,  4,  5,  23, 25, 26, 27, 30,  33,  34,  37,  43,  46,  49,  50,
          51, 53, 59, 60, 67, 78, 81, 84, 93, 101, 102, 107, 109, 117, 121, 123, 165}) {
        EXPECT_FALSE(doc.value(index).empty()) << "index " << index;
        EXPECT_FALSE(doc.comment(index).empty()) << "index " << index;
    }
}

TEST(GameInstall, BuildsPathsByPlainConcatenation) {
    GameInstall game;
    EXPECT_EQ(game.configPath(), "\\f1graphics.cfg");
    EXPECT_EQ(game.backupPath(), "\\f1graphics.cfg.backup");
}

}  // namespace
}  // namespace torvexa
