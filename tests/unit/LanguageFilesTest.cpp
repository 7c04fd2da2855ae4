// Every translation file Torvexa ships, as a translator must leave it: an entry for every use,
// the program's version, no entry empty that the German file fills, the characters with a
// meaning (& for an access key, % and @ which must stay plain text) only where the English file
// has them, the English comments that say what each entry is for, Windows-1252 with CR LF.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "common/Cp1252.h"
#include "forms/Entries.h"
#include "lang/Catalogue.h"
#include "support/TempDir.h"

namespace torvexa {
namespace {

// Every entry the program looks up.
constexpr int kEntries = entries::Count;

std::string bytesOf(const std::string& name) {
    return test::readBytes(test::dataFolder("lang") + "/" + name);
}

Catalogue catalogueOf(const std::string& name) {
    Catalogue catalogue;
    catalogue.load(bytesOf(name));
    return catalogue;
}

// The file's lines without their CR LF.
std::vector<std::string> linesOf(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t begin = 0;
    for (std::size_t end; (end = bytes.find("\r\n", begin)) != std::string::npos; begin = end + 2)
        lines.push_back(bytes.substr(begin, end - begin));
    return lines;
}

std::string commentOf(const std::string& line) {
    const std::size_t hash = line.find('#');
    return hash == std::string::npos ? std::string() : line.substr(hash);
}

class ShippedLanguage : public ::testing::TestWithParam<std::string> {};

TEST_P(ShippedLanguage, IsWindows1252WithCrLfLineEnds) {
    const std::string bytes = bytesOf(GetParam());
    ASSERT_FALSE(bytes.empty());
    EXPECT_TRUE(bytes.ends_with("\r\n"));
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        // Five bytes stand for no character in Windows-1252; control characters for none a
        // caption can show.
        const bool undefined =
            byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D;
        const bool lineEnd = (byte == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ||
                             (byte == '\n' && i > 0 && bytes[i - 1] == '\r');
        EXPECT_FALSE(undefined || (byte < 0x20 && !lineEnd) || byte == 0x7F)
            << GetParam() << ": byte " << int(byte) << " at " << i;
    }
}

TEST_P(ShippedLanguage, HasAnEntryForEveryUseTheProgramsVersionAndTheEnglishComments) {
    const Catalogue catalogue = catalogueOf(GetParam());
    const Catalogue german = catalogueOf("deutsch.zpr");
    ASSERT_EQ(catalogue.count(), kEntries);
    EXPECT_EQ(catalogue.entry(2), "0.5");
    for (int n = 0; n < kEntries; ++n)
        EXPECT_TRUE(german.entry(n).empty() || !catalogue.entry(n).empty()) << "entry " << n;
    const std::vector<std::string> lines = linesOf(bytesOf(GetParam()));
    const std::vector<std::string> english = linesOf(bytesOf("english.zpr"));
    ASSERT_EQ(lines.size(), english.size());
    for (std::size_t n = 0; n < lines.size(); ++n)
        EXPECT_EQ(commentOf(lines[n]), commentOf(english[n])) << "the comment of entry " << n;
}

TEST_P(ShippedLanguage, UsesTheCharactersWithAMeaningOnlyWhereEnglishDoes) {
    const Catalogue catalogue = catalogueOf(GetParam());
    const Catalogue english = catalogueOf("english.zpr");
    for (int n = 0; n < kEntries; ++n) {
        for (const char meaningful : {'&', '%', '@'}) {
            const auto count = [meaningful](const std::string& text) {
                return std::count(text.begin(), text.end(), meaningful);
            };
            EXPECT_EQ(count(catalogue.entry(n)), count(english.entry(n)))
                << "'" << meaningful << "' in entry " << n << ": " << catalogue.entry(n);
        }
    }
}

// The paragraphs of an AppStream file without a language of their own: its English text.
std::string untranslatedParagraphs(const std::string& xml) {
    std::string text;
    for (std::size_t at = xml.find("<p>"); at != std::string::npos; at = xml.find("<p>", at + 1))
        text += xml.substr(at, xml.find("</p>", at) - at);
    return text;
}

// A language file added to lang/ is named wherever the languages are listed for a person: by
// its file in the manual page, the archive's README, the README's and the translators' tables;
// by its own name in the AppStream description.
TEST_P(ShippedLanguage, IsNamedWhereverTheLanguagesAreListed) {
    for (const char* place :
         {"data/torvexa.1", "installer/linux/README", "README.md", "docs/translating.md"}) {
        EXPECT_NE(test::readBytes(test::dataFolder(place)).find(GetParam()), std::string::npos)
            << place;
    }
    const std::string ownName = cp1252ToUtf8(catalogueOf(GetParam()).entry(entries::LanguageName));
    EXPECT_NE(untranslatedParagraphs(
                  test::readBytes(test::dataFolder("data/org.example.torvexa.metainfo.xml")))
                  .find(ownName),
              std::string::npos)
        << ownName;
}

INSTANTIATE_TEST_SUITE_P(Files, ShippedLanguage, ::testing::ValuesIn(test::shippedLanguageFiles()),
                         [](const auto& file) {
                             return file.param.substr(0, file.param.find('.'));
                         });

}  // namespace
}  // namespace torvexa
