#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "forms/Program.h"
#include "platform/posix/PosixSystem.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

namespace torvexa::test {

// A configuration file of `lines` lines "<value>  ; line <n>", every value "0" unless given.
std::string craftedConfig(const std::map<int, std::string>& values, int lines = 170);

// The real POSIX system with the pause recorded instead of waited.
class RecordingSystem : public PosixSystem {
  public:
    using PosixSystem::PosixSystem;
    void sleep(int milliseconds) override { pauses.push_back(milliseconds); }
    std::vector<int> pauses;
};

// The whole program, headless, on a Wine-style prefix in a temporary folder, with its working
// folder in another temporary folder.
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

    // Installs the game at C:\GP4 (or another folder on C:) with this configuration file.
    void installGame(const std::string& content, const std::string& folder = "GP4");
    std::filesystem::path configFile(const std::string& folder = "GP4") const;
    std::string configBytes(const std::string& folder = "GP4") const;
    static std::string sampleConfig();

    // A person's action, run under the program's top level as the view runs it.
    void user(const std::function<void()>& action) { program_->application().perform(action); }

    Program& program() { return *program_; }
    TForm1& form1() { return program_->form1(); }

    WinePrefix prefix;
    TempDir workingFolder;
    RecordingSystem system{prefix.root()};
    ScriptedDialogs dialogs;

  private:
    std::filesystem::path previousFolder_;
    std::unique_ptr<Program> program_;
};

}  // namespace torvexa::test
