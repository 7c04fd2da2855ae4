#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace torvexa {

// A prefix where a launcher put it: its launcher and name ("Lutris: grand-prix-4"), its folder.
struct PrefixPlace {
    std::string name;
    std::filesystem::path prefix;
};

// Where Linux players' Wine prefixes live: the one $WINEPREFIX names, else ~/.wine and the
// prefixes that game launchers make in their own folders, native and Flatpak alike (Lutris,
// Bottles, Heroic, Faugus, umu, PlayOnLinux, Steam Play native, Flatpak and Snap), in that
// order.
class PrefixSearch {
  public:
    // Read from the process's environment: HOME, XDG_CONFIG_HOME, XDG_DATA_HOME, WINEPREFIX.
    static PrefixSearch fromEnvironment();
    PrefixSearch(std::filesystem::path home, std::filesystem::path configHome,
                 std::filesystem::path dataHome, std::filesystem::path winePrefix = {});

    // The folders to look in, in order, each once; only those that are prefixes (system.reg,
    // and dosdevices or drive_c), named as the player knows them ("Bottles: GP4").
    std::vector<PrefixPlace> places() const;
    // Their folders.
    std::vector<std::filesystem::path> prefixes() const;

    // Where to look when no prefix registers the game: $WINEPREFIX, else ~/.wine.
    std::filesystem::path fallback() const;

    // The same search with `winePrefix` as $WINEPREFIX; whether one is named.
    PrefixSearch withWinePrefix(std::filesystem::path winePrefix) const;
    bool namesWinePrefix() const noexcept { return !winePrefix_.empty(); }

  private:
    std::filesystem::path home_;
    std::filesystem::path configHome_;
    std::filesystem::path dataHome_;
    std::filesystem::path winePrefix_;
};

}  // namespace torvexa
