// Which copy of a file in a protected folder is the game's.
#include <gtest/gtest.h>

#include "platform/VirtualStore.h"

namespace torvexa {
namespace {

TEST(VirtualStore, AFileInAProtectedFolderHasItsCopyUnderTheStore) {
    const VirtualStore store("C:\\Users\\J\xFCrgen\\AppData\\Local\\VirtualStore\\",
                             {"C:\\Program Files", "C:\\Program Files (x86)\\", "C:\\Windows", ""});
    const std::string local = "C:\\Users\\J\xFCrgen\\AppData\\Local\\VirtualStore\\";
    EXPECT_EQ(store.copyOf("C:\\Program Files (x86)\\Infogrames\\GP4\\f1graphics.cfg"),
              local + "Program Files (x86)\\Infogrames\\GP4\\f1graphics.cfg");
    EXPECT_EQ(store.copyOf("c:\\PROGRAM FILES\\GP4\\f1graphics.cfg.backup"),
              local + "PROGRAM FILES\\GP4\\f1graphics.cfg.backup");  // case as the path has it
    EXPECT_EQ(store.copyOf("C:/Windows/GP4/f1graphics.cfg"), local + "Windows/GP4/f1graphics.cfg");
    // Not protected: its own folder, a folder that only begins alike, another drive.
    EXPECT_EQ(store.copyOf("C:\\GP4\\f1graphics.cfg"), std::nullopt);
    EXPECT_EQ(store.copyOf("C:\\Program Files Games\\GP4\\f1graphics.cfg"), std::nullopt);
    EXPECT_EQ(store.copyOf("D:\\Program Files\\GP4\\f1graphics.cfg"), std::nullopt);
    EXPECT_EQ(store.copyOf("C:\\Program Files"), std::nullopt);
    // Without a store (no LOCALAPPDATA) nothing is redirected.
    EXPECT_EQ(VirtualStore("", {"C:\\Program Files"}).copyOf("C:\\Program Files\\a"), std::nullopt);
}

}  // namespace
}  // namespace torvexa
