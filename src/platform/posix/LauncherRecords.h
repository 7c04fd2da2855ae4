#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// What game launchers record of the prefixes they made, read from the bytes of their own files.
// The files are hostile input: any bytes, any size the caller read (see kMostRecordBytes); a
// reader never throws, and takes nothing from a file it cannot parse.
namespace torvexa::launcher {

// The largest launcher file that is read; a larger one is skipped.
inline constexpr std::size_t kMostRecordBytes = 16 << 20;

// A game a launcher records: its name there and its prefix as the launcher wrote it.
struct RecordedGame {
    std::string name;
    std::string prefix;
};

// Heroic's GamesConfig/<id>.json: {"<id>": {"winePrefix": "…"}}; the game is named by `id`.
std::optional<RecordedGame> heroicGameConfig(std::string_view json, const std::string& id);
// Heroic's sideload_apps/library.json: {"games": [{"app_name": "…", "title": "…"}]}: the title of
// the game `id`, if it is there.
std::optional<std::string> heroicTitle(std::string_view json, const std::string& id);
// Faugus Launcher's games.json: [{"title": "…", "prefix": "…"}, …].
std::vector<RecordedGame> faugusGames(std::string_view json);
// Steam's libraryfolders.vdf (Valve's KeyValues): the folder of every Steam library.
std::vector<std::string> steamLibraries(std::string_view vdf);
// Steam's userdata/<user>/config/shortcuts.vdf (binary KeyValues): each non-Steam game's name
// by its app id, which names its Proton folder (compatdata/<id>).
std::vector<std::pair<std::uint32_t, std::string>> steamShortcuts(std::string_view vdf);
// A "key: value" line of a YAML mapping (Bottles' data.yml and placeholder.yml, Lutris' game
// files): the value of the first such key at any depth, unquoted.
std::optional<std::string> yamlValue(std::string_view yaml, std::string_view key);

}  // namespace torvexa::launcher
