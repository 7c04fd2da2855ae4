#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "config/GameInstall.h"
#include "forms/Program.h"
#include "support/GameMachine.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"
#ifdef _WIN32
#include "platform/win32/WindowsSystem.h"
#else
#include "platform/posix/PosixSystem.h"
#endif

namespace torvexa::test {

// A configuration file of `lines` lines "<value>  ; line <n>", every value "0" unless given.
std::string craftedConfig(const std::map<int, std::string>& values, int lines = 170);

#ifdef _WIN32
using PlatformSystem = WindowsSystem;
#else
using PlatformSystem = PosixSystem;
#endif

// The platform's real system with the pause recorded instead of waited.
class RecordingSystem : public PlatformSystem {
  public:
    using PlatformSystem::PlatformSystem;
    void sleep(int milliseconds) override { pauses.push_back(milliseconds); }
    std::vector<int> pauses;
};

// The whole program, headless, with its game on a test drive of its own (a Wine-style prefix on
// Linux, a temporary folder and the real registry on Windows), and its working folder in
// another temporary folder.
class Scenario {
  public:
    Scenario();
    ~Scenario();

    // Starts the program; the open dialog answers come from dialogs.fileAnswers.
    Program& start();

    // Remembers a translation file in langopt.zel, as an earlier run would have.
    void rememberLanguage(const std::string& path);
    // A shipped translation file: "deutsch.zpr" or "english.zpr".
    static std::string shippedLanguage(const std::string& name);
    // Writes a translation file into the working folder; returns its full path.
    std::string writeLanguage(const std::string& name, const std::string& content);
    std::string langopt() const;

    // Installs the game in a folder of the test drive with this configuration file.
    void installGame(const std::string& content, const std::string& folder = "GP4");
    // Installs the game's folder without a configuration file.
    void installFolder(const std::string& folder);
    // Registers a folder of the test drive as the game's, without creating anything.
    void registerGame(const std::string& folder);
    std::filesystem::path gameFolder(const std::string& folder = "GP4") const;
    std::filesystem::path configFile(const std::string& folder = "GP4") const;
    std::string configBytes(const std::string& folder = "GP4") const;
    static std::string sampleConfig();

    // How long "Laden" takes, in milliseconds, with the manual page on view, until `settle` (the
    // view drawing all it was told) returns: for a file of the sample's size and for one of
    // 20,000 lines (each replaces the game's file). One measure for both views; scripts/test
    // prints them side by side.
    struct LoadTimes {
        double sample;
        double large;
    };
    LoadTimes timedLoadsOnManualPage(const std::function<void()>& settle);

    // A person's action, run under the program's top level as the view runs it.
    void user(const std::function<void()>& action) { program_->application().perform(action); }

    Program& program() { return *program_; }
    // The system of a new start of the program on this machine: no copy of the game in use yet.
    std::unique_ptr<RecordingSystem> systemOfANewStart() const;
    TForm1& form1() { return program_->form1(); }

    GameMachine machine;
    TempDir workingFolder;

  private:
    std::unique_ptr<RecordingSystem> ownSystem_ = systemOfANewStart();

  public:
    RecordingSystem& system = *ownSystem_;
    ScriptedDialogs dialogs;

  private:
    std::filesystem::path previousFolder_;
    std::unique_ptr<Program> program_;
};

}  // namespace torvexa::test
