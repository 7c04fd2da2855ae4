#include <gtest/gtest.h>

#include "common/Failure.h"
#include "config/GameInstall.h"
#include "platform/posix/PosixSystem.h"
#include "platform/posix/WineRegistry.h"
#include "support/TempDir.h"

namespace torvexa {
namespace {

using Kind = RegistryValue::Kind;
constexpr const char* kKey = GameInstall::kRegistryKey;

const std::string kHeader =
    "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n#arch=win64\n\n";

std::string key(std::string_view path, std::string_view values) {
    return "[" + std::string(path) + "] 1733000000\n#time=1db3f0c7d2a6a42\n" + std::string(values) +
           "\n";
}

const std::string k32 =
    "Software\\\\Wow6432Node\\\\Infogrames\\\\Grand Prix 4\\\\1.00\\\\Install Dir";
const std::string k64 = "Software\\\\Infogrames\\\\Grand Prix 4\\\\1.00\\\\Install Dir";

RegistryValue lookUp(const std::string& reg) {
    return findMachineValue(kHeader + reg, kKey, "Directory");
}

TEST(WineRegistry, PrefersThe32BitViewAndFallsBackToThePlainKey) {
    const std::string plain = key(k64, "\"Directory\"=\"C:\\\\Plain\"");
    const std::string wow = key(k32, "\"Directory\"=\"C:\\\\Wow\"");
    EXPECT_EQ(lookUp(plain + wow).text, "C:\\Wow");
    EXPECT_EQ(lookUp(wow + plain).text, "C:\\Wow");
    EXPECT_EQ(lookUp(plain).kind, Kind::Text);
    EXPECT_EQ(lookUp(plain).text, "C:\\Plain");
    // The 32-bit key opens even without the value: the program then finds nothing.
    EXPECT_EQ(lookUp(plain + key(k32, "\"Other\"=\"x\"")).kind, Kind::Missing);
}

TEST(WineRegistry, ComparesKeyAndValueNamesWithoutCase) {
    const std::string reg =
        key("software\\\\wow6432node\\\\INFOGRAMES\\\\grand prix 4\\\\1.00\\\\install dir",
            "\"DIRECTORY\"=\"D:\\\\Spiele\"");
    EXPECT_EQ(lookUp(reg).text, "D:\\Spiele");
}

TEST(WineRegistry, ReadsEveryStringFormAndUnescapesIt) {
    EXPECT_EQ(lookUp(key(k32, "\"Directory\"=str:\"C:\\\\A\"")).text, "C:\\A");
    EXPECT_EQ(lookUp(key(k32, "\"Directory\"=str(2):\"%ProgramFiles%\\\\GP4\"")).text,
              "%ProgramFiles%\\GP4");  // an expandable string is not expanded
    EXPECT_EQ(
        lookUp(key(k32, "\"Directory\"=\"C:\\\\Spiele\\\\Gro\\xdf \\\"4\\\"\\t\\101\\q\"")).text,
        "C:\\Spiele\\Gro\xDF \"4\"\tAq");
    EXPECT_EQ(lookUp(key(k32, "\"Directory\"=\"C:\\\\Euro\\x20ac\"")).text, "C:\\Euro\x80");
    EXPECT_EQ(lookUp(key(k32, "\"Directory\"=\"C:\\\\Cut\\0After\"")).text, "C:\\Cut");
    EXPECT_EQ(lookUp(key(k32, "\"Directory\"=hex(2):43,00,3a,00,5c,00,\\\n  48,00,00,00")).text,
              "C:\\H");
}

TEST(WineRegistry, TellsOtherTypesAndEmptyDataApart) {
    EXPECT_EQ(lookUp(key(k32, "\"Directory\"=dword:00000001")).kind, Kind::OtherType);
    EXPECT_EQ(lookUp(key(k32, "\"Directory\"=str(7):\"a\\0b\\0\"")).kind, Kind::OtherType);
    EXPECT_EQ(lookUp(key(k32, "\"Directory\"=hex:01,02")).kind, Kind::OtherType);
    const RegistryValue empty = lookUp(key(k32, "\"Directory\"=hex:"));
    EXPECT_EQ(empty.kind, Kind::Text);
    EXPECT_EQ(empty.text, "");
}

TEST(WineRegistry, FindsNothingWhereNothingIsRegistered) {
    EXPECT_EQ(lookUp("").kind, Kind::Missing);
    EXPECT_EQ(lookUp(key("Software\\\\Other", "\"Directory\"=\"C:\\\\x\"")).kind, Kind::Missing);
    EXPECT_EQ(lookUp(key(k32, "@=\"C:\\\\Default\"")).kind, Kind::Missing);
    // A key nested below ours is another key.
    EXPECT_EQ(lookUp(key(k32 + "\\\\Sub", "\"Directory\"=\"C:\\\\x\"")).kind, Kind::Missing);
}

TEST(GameInstallLookup, ReadsThePrefixRegistryAndKeepsTheOldDirectoryOnAWrongType) {
    test::WinePrefix prefix;
    PosixSystem system(prefix.root());
    GameInstall game;

    game.lookUp(system);  // no system.reg at all
    EXPECT_EQ(game.directory(), "");

    prefix.registerGame("C:\\Spiele\\GP4\\");
    game.lookUp(system);
    EXPECT_EQ(game.directory(), "C:\\Spiele\\GP4\\");
    EXPECT_EQ(game.configPath(), "C:\\Spiele\\GP4\\\\f1graphics.cfg");

    prefix.writeSystemReg(key(k32, "\"Directory\"=dword:00000010"));
    try {
        game.lookUp(system);
        FAIL() << "no failure";
    } catch (const InvalidDataTypeError& e) {
        EXPECT_STREQ(e.what(), "Invalid data type for 'Directory'");
    }
    EXPECT_EQ(game.directory(), "C:\\Spiele\\GP4\\");

    prefix.writeSystemReg(key("Software\\\\Unrelated", ""));
    game.lookUp(system);
    EXPECT_EQ(game.directory(), "");
}

}  // namespace
}  // namespace torvexa
