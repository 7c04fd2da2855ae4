#include "platform/posix/PrefixSearch.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <system_error>

namespace torvexa {
namespace fs = std::filesystem;
namespace {

fs::path environment(const char* name) {
    const char* value = std::getenv(name);
    return value && *value ? fs::path(value) : fs::path();
}

bool isPrefix(const fs::path& folder) {
    std::error_code error;
    return fs::exists(folder / "system.reg", error) &&
           (fs::is_directory(folder / "dosdevices", error) ||
            fs::is_directory(folder / "drive_c", error));
}

// The folders directly in `parent`, by name, each joined with `inside`.
std::vector<fs::path> subfolders(const fs::path& parent, const fs::path& inside = {}) {
    std::vector<fs::path> found;
    std::error_code error;
    for (fs::directory_iterator it(parent, error), end; !error && it != end; it.increment(error)) {
        if (it->is_directory(error))
            found.push_back(inside.empty() ? it->path() : it->path() / inside);
    }
    std::sort(found.begin(), found.end());
    return found;
}

// The "prefix:" entries of Lutris's game files, read line by line.
std::vector<fs::path> lutrisPrefixes(const fs::path& games, const fs::path& home) {
    std::vector<fs::path> files;
    std::error_code error;
    for (fs::directory_iterator it(games, error), end; !error && it != end; it.increment(error)) {
        if (it->path().extension() == ".yml") files.push_back(it->path());
    }
    std::sort(files.begin(), files.end());
    std::vector<fs::path> found;
    for (const fs::path& file : files) {
        std::ifstream in(file);
        for (std::string line; std::getline(in, line);) {
            const std::size_t key = line.find_first_not_of(" \t");
            if (key == std::string::npos || line.compare(key, 7, "prefix:") != 0) continue;
            std::string value = line.substr(key + 7);
            value.erase(0, value.find_first_not_of(" \t"));
            value.erase(value.find_last_not_of(" \t\r") + 1);
            if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                value.back() == value.front())
                value = value.substr(1, value.size() - 2);
            if (value.starts_with("~/")) value = (home / value.substr(2)).string();
            if (!value.empty()) found.emplace_back(value);
        }
    }
    return found;
}

}  // namespace

PrefixSearch PrefixSearch::fromEnvironment() {
    const fs::path home = environment("HOME");
    fs::path config = environment("XDG_CONFIG_HOME");
    fs::path data = environment("XDG_DATA_HOME");
    return PrefixSearch(home, config.empty() ? home / ".config" : config,
                        data.empty() ? home / ".local/share" : data, environment("WINEPREFIX"));
}

PrefixSearch::PrefixSearch(fs::path home, fs::path configHome, fs::path dataHome,
                           fs::path winePrefix)
    : home_(std::move(home)),
      configHome_(std::move(configHome)),
      dataHome_(std::move(dataHome)),
      winePrefix_(std::move(winePrefix)) {}

std::vector<fs::path> PrefixSearch::prefixes() const {
    // The player's own choice, alone; a Proton folder (compatdata/<id>, as Heroic records it)
    // means the prefix inside it.
    if (!winePrefix_.empty())
        return {isPrefix(winePrefix_) || !isPrefix(winePrefix_ / "pfx") ? winePrefix_
                                                                        : winePrefix_ / "pfx"};
    std::vector<fs::path> all{home_ / ".wine"};
    const auto add = [&all](const std::vector<fs::path>& more) {
        all.insert(all.end(), more.begin(), more.end());
    };
    const fs::path flatpaks = home_ / ".var/app";
    add(subfolders(home_ / "Games"));  // Lutris
    add(lutrisPrefixes(configHome_ / "lutris/games", home_));
    add(lutrisPrefixes(dataHome_ / "lutris/games", home_));
    add(lutrisPrefixes(flatpaks / "net.lutris.Lutris/config/lutris/games", home_));
    add(lutrisPrefixes(flatpaks / "net.lutris.Lutris/data/lutris/games", home_));
    add(subfolders(dataHome_ / "bottles/bottles"));  // Bottles
    add(subfolders(flatpaks / "com.usebottles.bottles/data/bottles/bottles"));
    // Heroic: Wine prefixes in default/, Proton's beside it (through umu the folder itself, its
    // pfx a link to it; without umu the pfx inside).
    add(subfolders(home_ / "Games/Heroic/Prefixes/default"));
    add(subfolders(home_ / "Games/Heroic/Prefixes"));
    add(subfolders(home_ / "Games/Heroic/Prefixes", "pfx"));
    add(subfolders(home_ / "Faugus"));  // Faugus Launcher, and where it kept them before
    add(subfolders(configHome_ / "faugus-launcher/prefixes"));
    add(subfolders(home_ / "Games/umu"));                                 // umu-run's own
    add(subfolders(home_ / ".PlayOnLinux/wineprefix"));                   // PlayOnLinux
    add(subfolders(home_ / ".steam/steam/steamapps/compatdata", "pfx"));  // Steam Play
    add(subfolders(dataHome_ / "Steam/steamapps/compatdata", "pfx"));
    add(subfolders(flatpaks / "com.valvesoftware.Steam/.local/share/Steam/steamapps/compatdata",
                   "pfx"));
    add(subfolders(flatpaks / "com.valvesoftware.Steam/data/Steam/steamapps/compatdata", "pfx"));
    add(subfolders(home_ / "snap/steam/common/.local/share/Steam/steamapps/compatdata", "pfx"));

    std::vector<fs::path> prefixes;
    for (const fs::path& folder : all) {
        if (isPrefix(folder) &&
            std::find(prefixes.begin(), prefixes.end(), folder) == prefixes.end())
            prefixes.push_back(folder);
    }
    return prefixes;
}

fs::path PrefixSearch::fallback() const {
    return winePrefix_.empty() ? home_ / ".wine" : winePrefix_;
}

}  // namespace torvexa
