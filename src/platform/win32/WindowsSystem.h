#pragma once

#include <memory>
#include <string>

#include "platform/System.h"

namespace torvexa {
namespace win32 {
struct FileCalls;
}

// The system of a Windows machine: the real registry (the 32-bit view first, where the game's
// 32-bit installer wrote, read-only rights), files with read sharing and their native error
// codes, and saves that replace a file whole or not at all.
class WindowsSystem : public System {
  public:
    WindowsSystem();
    explicit WindowsSystem(const win32::FileCalls& calls);  // tests: calls that fail on demand
    ~WindowsSystem() override;

    RegistryValue readMachineValue(std::string_view key, std::string_view valueName) override;
    std::string readFile(const std::string& path) override;
    void writeFile(const std::string& path, std::string_view content) override;
    bool isFile(const std::string& path) override;
    void deleteFile(const std::string& path) noexcept override;
    void copyFile(const std::string& from, const std::string& to) override;
    void sleep(int milliseconds) override;

  private:
    void putInPlace(const std::wstring& target, const std::wstring& temporary);

    std::unique_ptr<win32::FileCalls> calls_;
};

}  // namespace torvexa
