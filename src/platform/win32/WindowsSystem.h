#pragma once

#include <memory>
#include <string>

#include "platform/System.h"
#include "platform/VirtualStore.h"

namespace torvexa {
namespace winsys {
struct FileCalls;
}

// The system of a Windows machine (the registry in Registry.cpp, the safe save in SafeSave.cpp,
// paths and folders in NativeFiles.cpp; here which file the game sees): the real registry (the
// 32-bit view first, where the game's 32-bit installer wrote, read-only rights), files with read
// sharing and their native error codes, and saves that replace a file whole or not at all. A file
// in a protected folder is the one the game sees there: the user's VirtualStore copy once there is
// one, and a write the user may not make there goes to that copy, as the game's own would.
class WindowsSystem : public System {
  public:
    WindowsSystem();
    // Tests: calls that fail on demand, and a store of their own.
    explicit WindowsSystem(const winsys::FileCalls& calls);
    WindowsSystem(const winsys::FileCalls& calls, VirtualStore store);
    ~WindowsSystem() override;

    RegistryValue readMachineValue(std::string_view key, std::string_view valueName) override;
    std::string readFile(const std::string& path) override;
    void writeFile(const std::string& path, std::string_view content) override;
    bool isFile(const std::string& path) override;
    void deleteFile(const std::string& path) noexcept override;
    void copyFile(const std::string& from, const std::string& to) override;
    void sleep(int milliseconds) override;
    std::string machinePath(const std::string& path) override;

  private:
    // The file the game reads under this name.
    std::wstring seenByGame(const std::string& path) const;

    std::unique_ptr<winsys::FileCalls> calls_;
    VirtualStore store_;
};

}  // namespace torvexa
