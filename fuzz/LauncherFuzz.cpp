// Launchers' files are hostile input: each reader takes any bytes without failing, and what it
// takes from them is whole (no empty library, no value with a line break in it).
#include <cstdint>
#include <string>

#include "Check.h"
#include "platform/posix/LauncherRecords.h"

using namespace torvexa;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    for (const std::string& library : launcher::steamLibraries(bytes))
        FUZZ_CHECK(!library.empty(), "a Steam library has a folder");
    for (const launcher::RecordedGame& game : launcher::faugusGames(bytes))
        FUZZ_CHECK(!game.prefix.empty(), "a Faugus game has a prefix");
    if (const auto game = launcher::heroicGameConfig(bytes, "Ab12"))
        FUZZ_CHECK(!game->prefix.empty() && game->name == "Ab12", "a Heroic game has a prefix");
    (void)launcher::heroicTitle(bytes, "Ab12");
    for (const auto& [id, name] : launcher::steamShortcuts(bytes))
        FUZZ_CHECK(!name.empty(), "a Steam shortcut has a name");
    for (const char* key : {"prefix", "Path", "custom_bottles_path"}) {
        if (const auto value = launcher::yamlValue(bytes, key))
            FUZZ_CHECK(!value->empty() && value->find('\n') == std::string::npos,
                       "a YAML value is one line");
    }
    return 0;
}
