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

std::vector<PrefixPlace> PrefixSearch::places() const {
    // The player's own choice, alone; a Proton folder (compatdata/<id>, as Heroic records it)
    // means the prefix inside it.
    if (!winePrefix_.empty()) {
        const bool proton = !isPrefix(winePrefix_) && isPrefix(winePrefix_ / "pfx");
        return {{"Wine: " + winePrefix_.string(), proton ? winePrefix_ / "pfx" : winePrefix_}};
    }
    std::vector<PrefixPlace> all{{"Wine: ~/.wine", home_ / ".wine"}};
    // Each folder named by the last name of its path that is not "pfx".
    const auto add = [&all](const char* launcher, const std::vector<fs::path>& folders) {
        for (const fs::path& folder : folders) {
            const fs::path named = folder.filename() == "pfx" ? folder.parent_path() : folder;
            all.push_back({std::string(launcher) + ": " + named.filename().string(), folder});
        }
    };
    const fs::path flatpaks = home_ / ".var/app";
    add("Lutris", subfolders(home_ / "Games"));
    add("Lutris", lutrisPrefixes(configHome_ / "lutris/games", home_));
    add("Lutris", lutrisPrefixes(dataHome_ / "lutris/games", home_));
    add("Lutris", lutrisPrefixes(flatpaks / "net.lutris.Lutris/config/lutris/games", home_));
    add("Lutris", lutrisPrefixes(flatpaks / "net.lutris.Lutris/data/lutris/games", home_));
    add("Bottles", subfolders(dataHome_ / "bottles/bottles"));
    add("Bottles", subfolders(flatpaks / "com.usebottles.bottles/data/bottles/bottles"));
    // Heroic: Wine prefixes in default/, Proton's beside it (through umu the folder itself, its
    // pfx a link to it; without umu the pfx inside).
    add("Heroic", subfolders(home_ / "Games/Heroic/Prefixes/default"));
    add("Heroic", subfolders(home_ / "Games/Heroic/Prefixes"));
    add("Heroic", subfolders(home_ / "Games/Heroic/Prefixes", "pfx"));
    // Faugus Launcher, and where it kept them before.
    add("Faugus", subfolders(home_ / "Faugus"));
    add("Faugus", subfolders(configHome_ / "faugus-launcher/prefixes"));
    add("umu", subfolders(home_ / "Games/umu"));
    add("PlayOnLinux", subfolders(home_ / ".PlayOnLinux/wineprefix"));
    for (const fs::path& steam : {home_ / ".steam/steam", dataHome_ / "Steam",
                                  flatpaks / "com.valvesoftware.Steam/.local/share/Steam",
                                  flatpaks / "com.valvesoftware.Steam/data/Steam",
                                  home_ / "snap/steam/common/.local/share/Steam"})
        add("Steam (Proton)", subfolders(steam / "steamapps/compatdata", "pfx"));

    // One place a prefix, the first that reaches it (links and records may name it twice).
    std::vector<PrefixPlace> places;
    std::vector<fs::path> seen;
    for (PrefixPlace& place : all) {
        std::error_code error;
        fs::path real = fs::canonical(place.prefix, error);
        if (error || !isPrefix(real)) continue;
        if (std::find(seen.begin(), seen.end(), real) != seen.end()) continue;
        seen.push_back(std::move(real));
        places.push_back(std::move(place));
    }
    return places;
}

std::vector<fs::path> PrefixSearch::prefixes() const {
    std::vector<fs::path> prefixes;
    for (const PrefixPlace& place : places())
        prefixes.push_back(place.prefix);
    return prefixes;
}

fs::path PrefixSearch::fallback() const {
    return winePrefix_.empty() ? home_ / ".wine" : winePrefix_;
}

}  // namespace torvexa
