#include "platform/posix/PrefixSearch.h"

#include <sys/stat.h>

#include "platform/posix/FileReading.h"
#include "platform/posix/LauncherRecords.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <map>
#include <set>
#include <system_error>

namespace torvexa {
namespace fs = std::filesystem;
namespace {

fs::path environment(const char* name) {
    const char* value = std::getenv(name);
    return value && *value ? fs::path(value) : fs::path();
}

bool isPrefix(const fs::path& folder) {
    struct stat st {};
    const auto is = [&](const char* name, bool directory) {
        return ::stat((folder / name).c_str(), &st) == 0 && S_ISDIR(st.st_mode) == directory;
    };
    return is("system.reg", false) && (is("dosdevices", true) || is("drive_c", true));
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

// A launcher's file, whole; empty when it is not a readable regular file of a sane size.
std::string record(const fs::path& file) {
    std::error_code error;
    if (!fs::is_regular_file(file, error) ||
        fs::file_size(file, error) > launcher::kMostRecordBytes || error)
        return {};
    try {
        return readWholeFile(file);
    } catch (const std::exception&) {
        return {};
    }
}

// The files of `folder` whose names end in `extension`, by name.
std::vector<fs::path> filesIn(const fs::path& folder, const std::string& extension) {
    std::vector<fs::path> files;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (it->path().extension() == extension) files.push_back(it->path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

// A prefix as a launcher wrote it: "~/" is the home folder.
fs::path recorded(const std::string& prefix, const fs::path& home) {
    return prefix.starts_with("~/") ? home / prefix.substr(2) : fs::path(prefix);
}

// The "prefix:" entries of Lutris's game files.
std::vector<fs::path> lutrisPrefixes(const fs::path& games, const fs::path& home) {
    std::vector<fs::path> found;
    for (const fs::path& file : filesIn(games, ".yml")) {
        if (const auto prefix = launcher::yamlValue(record(file), "prefix"))
            found.push_back(recorded(*prefix, home));
    }
    return found;
}

// The child of `parent` named `name` without regard to case (Steam's "SteamApps" of old).
fs::path childIgnoringCase(const fs::path& parent, const std::string& name) {
    const auto lower = [](std::string text) {
        std::transform(text.begin(), text.end(), text.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        return text;
    };
    std::error_code error;
    for (fs::directory_iterator it(parent, error), end; !error && it != end; it.increment(error)) {
        if (lower(it->path().filename().string()) == name) return it->path();
    }
    return parent / name;
}

}  // namespace

PrefixSearch PrefixSearch::fromEnvironment() {
    const fs::path home = environment("HOME");
    fs::path config = environment("XDG_CONFIG_HOME");
    fs::path data = environment("XDG_DATA_HOME");
    return PrefixSearch(home, config.empty() ? home / ".config" : config,
                        data.empty() ? home / ".local/share" : data, environment("WINEPREFIX"));
}

PrefixSearch PrefixSearch::withWinePrefix(fs::path winePrefix) const {
    return PrefixSearch(home_, configHome_, dataHome_, std::move(winePrefix));
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
        const fs::path inHome = winePrefix_.lexically_relative(home_);
        const bool underHome = !inHome.empty() && *inHome.begin() != "..";
        return {{"Wine: " + (underHome ? "~/" + inHome.string() : winePrefix_.string()),
                 proton ? winePrefix_ / "pfx" : winePrefix_}};
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
    // A prefix a launcher records: itself, or a Proton folder's pfx.
    const auto addRecorded = [&](const std::string& name, const fs::path& prefix) {
        const bool proton = !isPrefix(prefix) && isPrefix(prefix / "pfx");
        all.push_back({name, proton ? prefix / "pfx" : prefix});
    };
    add("Lutris", subfolders(home_ / "Games"));
    for (const fs::path& lutris :
         {configHome_ / "lutris", dataHome_ / "lutris",
          flatpaks / "net.lutris.Lutris/config/lutris", flatpaks / "net.lutris.Lutris/data/lutris"})
        add("Lutris", lutrisPrefixes(lutris / "games", home_));
    // Bottles: its bottles, those in the folder its settings name instead, and a bottle kept
    // elsewhere, whose placeholder names it.
    for (const fs::path& bottles :
         {dataHome_ / "bottles", flatpaks / "com.usebottles.bottles/data/bottles"}) {
        std::vector<fs::path> folders = subfolders(bottles / "bottles");
        if (const auto custom =
                launcher::yamlValue(record(bottles / "data.yml"), "custom_bottles_path")) {
            const std::vector<fs::path> more = subfolders(recorded(*custom, home_));
            folders.insert(folders.end(), more.begin(), more.end());
        }
        for (const fs::path& bottle : folders) {
            const auto elsewhere = launcher::yamlValue(record(bottle / "placeholder.yml"), "Path");
            addRecorded("Bottles: " + bottle.filename().string(),
                        elsewhere ? recorded(*elsewhere, home_) : bottle);
        }
    }
    // Heroic: the prefixes its games' settings name, titled from its sideloaded library; then
    // its folders: Wine prefixes in default/, Proton's beside it (through umu the folder
    // itself, its pfx a link to it; without umu the pfx inside).
    for (const fs::path& heroic :
         {configHome_ / "heroic", flatpaks / "com.heroicgameslauncher.hgl/config/heroic"}) {
        const std::string library = record(heroic / "sideload_apps/library.json");
        for (const fs::path& file : filesIn(heroic / "GamesConfig", ".json")) {
            const std::string id = file.stem().string();
            if (const auto game = launcher::heroicGameConfig(record(file), id))
                addRecorded("Heroic: " + launcher::heroicTitle(library, id).value_or(id),
                            recorded(game->prefix, home_));
        }
    }
    add("Heroic", subfolders(home_ / "Games/Heroic/Prefixes/default"));
    add("Heroic", subfolders(home_ / "Games/Heroic/Prefixes"));
    add("Heroic", subfolders(home_ / "Games/Heroic/Prefixes", "pfx"));
    // Faugus Launcher: its games' prefixes, its folder, and where it kept them before.
    for (const launcher::RecordedGame& game :
         launcher::faugusGames(record(configHome_ / "faugus-launcher/games.json")))
        addRecorded("Faugus: " + game.name, recorded(game.prefix, home_));
    add("Faugus", subfolders(home_ / "Faugus"));
    add("Faugus", subfolders(configHome_ / "faugus-launcher/prefixes"));
    add("umu", subfolders(home_ / "Games/umu"));
    add("PlayOnLinux", subfolders(home_ / ".PlayOnLinux/wineprefix"));
    // Steam, native, Flatpak and Snap, and every library each names (an SD card, a second disk),
    // their folder names matched without regard to case, as protontricks does.
    for (const fs::path& steam : {home_ / ".steam/steam", dataHome_ / "Steam",
                                  flatpaks / "com.valvesoftware.Steam/.local/share/Steam",
                                  flatpaks / "com.valvesoftware.Steam/data/Steam",
                                  home_ / "snap/steam/common/.local/share/Steam"}) {
        const fs::path steamapps = childIgnoringCase(steam, "steamapps");
        std::vector<fs::path> libraries{steam};
        for (const fs::path& file :
             {steamapps / "libraryfolders.vdf", steam / "config/libraryfolders.vdf"})
            for (const std::string& library : launcher::steamLibraries(record(file)))
                libraries.push_back(recorded(library, home_));
        // A non-Steam game by the name its shortcut gives it, a Steam game by its number.
        std::map<std::string, std::string> shortcutNames;
        for (const fs::path& user : subfolders(steam / "userdata"))
            for (const auto& [id, name] :
                 launcher::steamShortcuts(record(user / "config/shortcuts.vdf")))
                shortcutNames.emplace(std::to_string(id), name);
        for (const fs::path& library : libraries) {
            for (const fs::path& prefix : subfolders(
                     childIgnoringCase(childIgnoringCase(library, "steamapps"), "compatdata"),
                     "pfx")) {
                const std::string id = prefix.parent_path().filename().string();
                const auto shortcut = shortcutNames.find(id);
                all.push_back(
                    {"Steam (Proton): " + (shortcut == shortcutNames.end() ? id : shortcut->second),
                     prefix});
            }
        }
    }

    // One place a prefix, the first that reaches it (links and records may name it twice).
    // A folder is known by its device and inode: one call, where its real path takes one a
    // component.
    std::vector<PrefixPlace> places;
    std::set<std::pair<dev_t, ino_t>> seen;
    for (PrefixPlace& place : all) {
        struct stat folder {};
        if (::stat(place.prefix.c_str(), &folder) != 0 || !S_ISDIR(folder.st_mode) ||
            !seen.emplace(folder.st_dev, folder.st_ino).second || !isPrefix(place.prefix))
            continue;
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
