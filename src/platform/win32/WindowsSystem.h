#pragma once

#include <memory>
#include <string>

#include "platform/GameCopies.h"
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
    // `game`: where the registry names the game's folder.
    explicit WindowsSystem(GameMark game = {});
    // Tests: calls that fail on demand, and a store of their own.
    explicit WindowsSystem(const winsys::FileCalls& calls, GameMark game = {});
    WindowsSystem(const winsys::FileCalls& calls, VirtualStore store, GameMark game = {});
    ~WindowsSystem() override;

    RegistryValue readMachineValue(std::string_view key, std::string_view valueName) override;
    std::string readFile(const std::string& path) override;
    void writeFile(const std::string& path, std::string_view content) override;
    bool isFile(const std::string& path) override;
    void deleteFile(const std::string& path) noexcept override;
    void copyFile(const std::string& from, const std::string& to) override;
    void sleep(int milliseconds) override;
    std::string machinePath(const std::string& path) override;

    // The registry's copy ("Registry"), then the folders chosen.
    std::vector<Installation> installations() override;
    std::optional<Installation> addFolder(const std::string& path) override;
    bool use(const std::string& file) override;
    std::optional<Installation> inUse() override;

  private:
    // The copy whose game file lies in `folder` as the game sees it (VirtualStore included).
    std::optional<Installation> copyIn(const std::string& folder, std::string name);

    // The file the game reads under this name.
    std::wstring seenByGame(const std::string& path) const;

    std::unique_ptr<winsys::FileCalls> calls_;
    VirtualStore store_;
    GameCopies copies_;
};

}  // namespace torvexa
