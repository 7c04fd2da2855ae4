// The names a save gives its temporary files, and reading the writer and the target back.
#include <gtest/gtest.h>

#include "platform/TemporaryNames.h"

namespace torvexa {
namespace {

TEST(TemporaryNames, ANameCarriesItsWriterAndItsTarget) {
    const std::string name = temporaryNameStem("f1graphics.cfg", 4242) + "abc123";
    EXPECT_EQ(name, ".f1graphics.cfg.torvexa-4242-abc123");
    EXPECT_EQ(writerOfTemporary(name), 4242u);
    EXPECT_EQ(targetOfTemporary(name), "f1graphics.cfg");
    // A target that holds the mark itself: the last mark counts.
    const std::string odd = temporaryNameStem("x.torvexa-1-aaaaaa", 7) + "zzzzzz";
    EXPECT_EQ(writerOfTemporary(odd), 7u);
    EXPECT_EQ(targetOfTemporary(odd), "x.torvexa-1-aaaaaa");
}

TEST(TemporaryNames, NoOtherNameIsTakenForOne) {
    for (const char* name : {"f1graphics.cfg", ".f1graphics.cfg", ".torvexa-12-abcdef",
                             ".a.torvexa--abcdef", ".a.torvexa-12-abcde", ".a.torvexa-12-abcdefg",
                             ".a.torvexa-1x-abcdef", ".a.torvexa-999999999999-abcdef"})
        EXPECT_EQ(writerOfTemporary(name), std::nullopt) << name;
}

}  // namespace
}  // namespace torvexa
