#pragma once

#include "platform/System.h"

namespace torvexa {

// The system of a Windows machine: the real registry (the 32-bit view first, where the game's
// 32-bit installer wrote, read-only rights), files with read sharing and their native error
// codes, and saves that replace a file whole or not at all.
class WindowsSystem : public System {
  public:
    RegistryValue readMachineValue(std::string_view key, std::string_view valueName) override;
    std::string readFile(const std::string& path) override;
    void writeFile(const std::string& path, std::string_view content) override;
    bool isFile(const std::string& path) override;
    void deleteFile(const std::string& path) noexcept override;
    void copyFile(const std::string& from, const std::string& to) override;
    void sleep(int milliseconds) override;
};

}  // namespace torvexa
