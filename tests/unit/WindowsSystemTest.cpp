// The Windows system under Wine: the registry, each file failure with its native code, reading
// beside another program, and the save that replaces a file whole or not at all.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <functional>

#include "common/Failure.h"
#include "platform/win32/WideText.h"
#include "platform/win32/WindowsSystem.h"
#include "support/FileErrors.h"
#include "support/TempDir.h"

namespace torvexa {
namespace {

namespace fs = std::filesystem;
using test::errorCodeOf;
using winsys::ansi;
using winsys::wide;

constexpr const char* kKey = "SOFTWARE\\Torvexa Test\\Install Dir";

class WindowsSystemTest : public ::testing::Test {
  protected:
    ~WindowsSystemTest() override {
        RegDeleteKeyExW(HKEY_LOCAL_MACHINE, wide(kKey).c_str(), KEY_WOW64_32KEY, 0);
    }
    void setValue(DWORD type, const void* data, DWORD size) {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, wide(kKey).c_str(), 0, nullptr, 0,
                                  KEY_SET_VALUE | KEY_WOW64_32KEY, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        RegSetValueExW(key, L"Directory", 0, type, static_cast<const BYTE*>(data), size);
        RegCloseKey(key);
    }
    void setText(DWORD type, const std::wstring& text) {
        setValue(type, text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    }
    RegistryValue read() { return system.readMachineValue(kKey, "Directory"); }

    // A path of the test folder as the program names it.
    std::string at(const std::string& name) const { return ansi((dir.path() / name).wstring()); }
    std::vector<std::string> leftovers() const { return test::temporaryFilesIn(dir.path()); }

    test::TempDir dir;
    WindowsSystem system;
};

TEST_F(WindowsSystemTest, ReadsTheDirectoryAsStoredAndTellsAWrongType) {
    EXPECT_EQ(read().kind, RegistryValue::Kind::Missing);
    setText(REG_SZ, L"C:\\Spiele\\Gr\u00fcn");
    EXPECT_EQ(read().kind, RegistryValue::Kind::Text);
    EXPECT_EQ(read().text, "C:\\Spiele\\Gr\xFCn");  // the ANSI code page's bytes
    setText(REG_EXPAND_SZ, L"%SystemRoot%\\GP4");
    EXPECT_EQ(read().text, "%SystemRoot%\\GP4");  // not expanded
    const wchar_t withNul[] = L"C:\\GP4\0tail";
    setValue(REG_SZ, withNul, sizeof withNul);
    EXPECT_EQ(read().text, "C:\\GP4");
    const DWORD one = 1;
    setValue(REG_DWORD, &one, sizeof one);
    EXPECT_EQ(read().kind, RegistryValue::Kind::OtherType);
    setValue(REG_DWORD, nullptr, 0);  // no data: empty, whatever the type
    EXPECT_EQ(read().kind, RegistryValue::Kind::Text);
    EXPECT_EQ(read().text, "");
    EXPECT_EQ(system.readMachineValue(kKey, "Other").kind, RegistryValue::Kind::Missing);
}

TEST_F(WindowsSystemTest, EachFileFailureCarriesItsNativeCode) {
    EXPECT_EQ(errorCodeOf([&] { system.readFile(at("missing.cfg")); }), 2);
    EXPECT_EQ(errorCodeOf([&] { system.readFile(at("nofolder\\f1graphics.cfg")); }), 3);
    EXPECT_EQ(errorCodeOf([&] { system.writeFile(at("nofolder\\f1graphics.cfg"), "x"); }), 3);
    fs::create_directory(dir.path() / "folder");
    EXPECT_EQ(errorCodeOf([&] { system.readFile(at("folder")); }), 5);
    EXPECT_EQ(errorCodeOf([&] { system.writeFile(at("folder"), "x"); }), 5);
    EXPECT_FALSE(system.isFile(at("folder")));
    EXPECT_FALSE(system.isFile(at("missing.cfg")));
    EXPECT_EQ(errorCodeOf([&] { system.readFile("NUL"); }), 5);  // a device: no end to read to
    EXPECT_EQ(FileError(2).what(), std::string("File not found"));
}

TEST_F(WindowsSystemTest, ReadsBesideAnotherProgramOnlyWhenItShares) {
    test::writeBytes(dir.path() / "f1graphics.cfg", "1 ; x\r\n");
    const std::wstring path = (dir.path() / "f1graphics.cfg").wstring();
    HANDLE sharing = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                 OPEN_EXISTING, 0, nullptr);
    EXPECT_EQ(system.readFile(at("f1graphics.cfg")), "1 ; x\r\n");
    CloseHandle(sharing);
    HANDLE exclusive = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                   OPEN_EXISTING, 0, nullptr);
    EXPECT_EQ(errorCodeOf([&] { system.readFile(at("f1graphics.cfg")); }), 32);
    EXPECT_EQ(errorCodeOf([&] { system.writeFile(at("f1graphics.cfg"), "new"); }), 32);
    CloseHandle(exclusive);
    EXPECT_EQ(system.readFile(at("f1graphics.cfg")), "1 ; x\r\n");
    EXPECT_TRUE(leftovers().empty());
}

TEST_F(WindowsSystemTest, ASaveReplacesTheFileWholeKeepsItsAttributesAndRefusesReadOnly) {
    system.writeFile(at("f1graphics.cfg"), "first\r\n");
    EXPECT_EQ(test::readBytes(dir.path() / "f1graphics.cfg"), "first\r\n");
    const std::wstring path = (dir.path() / "f1graphics.cfg").wstring();
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_HIDDEN);
    system.writeFile(at("f1graphics.cfg"), std::string(300000, 'b'));
    EXPECT_EQ(test::readBytes(dir.path() / "f1graphics.cfg"), std::string(300000, 'b'));
    EXPECT_TRUE(GetFileAttributesW(path.c_str()) & FILE_ATTRIBUTE_HIDDEN);

    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(errorCodeOf([&] { system.writeFile(at("f1graphics.cfg"), "lost"); }), 5);
    EXPECT_EQ(errorCodeOf([&] { system.copyFile(at("f1graphics.cfg"), at("f1graphics.cfg")); }), 5);
    EXPECT_EQ(test::readBytes(dir.path() / "f1graphics.cfg"), std::string(300000, 'b'));
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);

    system.copyFile(at("f1graphics.cfg"), at("f1graphics.cfg.backup"));
    EXPECT_EQ(test::readBytes(dir.path() / "f1graphics.cfg.backup"), std::string(300000, 'b'));
    EXPECT_TRUE(leftovers().empty());
}

TEST_F(WindowsSystemTest, TemporaryFilesOfDeadWritersAreRemovedAndNoOthers) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION child{};
    std::wstring command = L"cmd.exe /c exit";
    ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &startup, &child));
    WaitForSingleObject(child.hProcess, INFINITE);
    const std::string dead =
        ".f1graphics.cfg.torvexa-" + std::to_string(child.dwProcessId) + "-a1b2c3";
    CloseHandle(child.hThread);
    CloseHandle(child.hProcess);
    const std::string alive =
        ".f1graphics.cfg.torvexa-" + std::to_string(GetCurrentProcessId()) + "-zz9yx8";
    // A dead writer's file whose target is missing may hold the only copy of its content.
    const std::string onlyCopy =
        ".other.cfg.torvexa-" + std::to_string(child.dwProcessId) + "-d4e5f6";
    for (const std::string& name : {dead, alive, onlyCopy, std::string(".f1graphics.cfg.a1b2c3")})
        test::writeBytes(dir.path() / name, "x");
    test::writeBytes(dir.path() / "f1graphics.cfg", "0 ; x\r\n");

    system.writeFile(at("f1graphics.cfg"), "1 ; x\r\n");
    EXPECT_FALSE(fs::exists(dir.path() / dead));
    EXPECT_TRUE(fs::exists(dir.path() / onlyCopy));
    EXPECT_TRUE(fs::exists(dir.path() / alive));  // a running writer's file is never touched
    EXPECT_TRUE(fs::exists(dir.path() / ".f1graphics.cfg.a1b2c3"));
}

}  // namespace
}  // namespace torvexa
