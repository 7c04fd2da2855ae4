#include "support/Scenario.h"

#include <chrono>

namespace torvexa::test {

std::string craftedConfig(const std::map<int, std::string>& values, int lines) {
    std::string content;
    for (int i = 0; i < lines; ++i) {
        const auto it = values.find(i);
        content +=
            (it == values.end() ? "0" : it->second) + "  ; line " + std::to_string(i) + "\r\n";
    }
    return content;
}

Scenario::Scenario() : previousFolder_(std::filesystem::current_path()) {
    std::filesystem::current_path(workingFolder.path());
}

Scenario::~Scenario() { std::filesystem::current_path(previousFolder_); }

Program& Scenario::start() {
    program_ = std::make_unique<Program>(system, dialogs, "/usr/bin/torvexa");
    return *program_;
}

std::unique_ptr<RecordingSystem> Scenario::systemOfANewStart() const {
#ifdef _WIN32
    return std::make_unique<RecordingSystem>(GameInstall::mark());
#else
    // The player's home is the working folder, and the test drive its ~/.wine.
    const std::filesystem::path home = workingFolder.path();
    std::error_code exists;
    std::filesystem::create_directory_symlink(machine.prefix.root(), home / ".wine", exists);
    return std::make_unique<RecordingSystem>(
        PrefixSearch(home, home / ".config", home / ".local/share"), GameInstall::mark());
#endif
}

void Scenario::rememberLanguage(const std::string& path) {
    writeBytes(workingFolder / "langopt.zel", path + "\r\n");
}

std::string Scenario::shippedLanguage(const std::string& name) {
    return dataFolder("lang") + "/" + name;
}

std::string Scenario::writeLanguage(const std::string& name, const std::string& content) {
    writeBytes(workingFolder / name, content);
    return (workingFolder / name).string();
}

std::string Scenario::langopt() const {
    const auto path = workingFolder / "langopt.zel";
    return std::filesystem::exists(path) ? readBytes(path) : std::string("(none)");
}

void Scenario::installGame(const std::string& content, const std::string& folder) {
    installFolder(folder);
    writeBytes(configFile(folder), content);
}

Scenario::LoadTimes Scenario::timedLoadsOnManualPage(const std::function<void()>& settle) {
    const auto timedLoad = [&](int lines) {
        installGame(craftedConfig({}, lines));
        user([&] { form1().Laden1.click(); });  // the page buttons come with the first load
        user([&] { form1().SpeedButton9.click(); });
        settle();
        const auto start = std::chrono::steady_clock::now();
        user([&] { form1().Laden1.click(); });
        settle();
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
            .count();
    };
    const double sample = timedLoad(170);
    return {sample, timedLoad(20000)};
}

void Scenario::installFolder(const std::string& folder) {
    std::filesystem::create_directories(gameFolder(folder));
    registerGame(folder);
}

void Scenario::registerGame(const std::string& folder) {
    machine.registerGame(machine.windowsFolder(folder));
}

std::filesystem::path Scenario::gameFolder(const std::string& folder) const {
    return machine.folder(folder);
}

std::filesystem::path Scenario::configFile(const std::string& folder) const {
    return gameFolder(folder) / "f1graphics.cfg";
}

std::string Scenario::configBytes(const std::string& folder) const {
    return readBytes(configFile(folder));
}

std::string Scenario::sampleConfig() {
    return readBytes(dataFolder("examples") + "/f1graphics.cfg");
}

}  // namespace torvexa::test
