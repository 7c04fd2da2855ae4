#include "bench/Inputs.h"

#include "support/TempDir.h"

namespace torvexa::bench {

std::string plausibleConfig(std::size_t bytes) {
    static const char* const comments[] = {
        "not edited by a check box or slider; change it on the manual editing page",
        "'Vollbildmodus' (1 = full screen)", "screen width, chosen with 'Aufloesung'",
        "visor tint red plus 100"};
    std::string content;
    content.reserve(bytes + 128);
    for (unsigned i = 0; content.size() < bytes; ++i) {
        content += std::to_string(i % 1500);
        content += "  ; ";
        content += comments[i % 4];
        content += "\r\n";
    }
    return content;
}

std::string largeSystemReg(std::size_t bytes) {
    std::string reg =
        "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n#arch=win64\n\n";
    for (unsigned i = 0; reg.size() < bytes; ++i) {
        reg += "[Software\\\\Classes\\\\CLSID\\\\{" + std::to_string(100000 + i) +
               "-0000-0000-C000-000000000046}\\\\InprocServer32] 1733000000\n";
        reg += "#time=1db3f0c7d2a6a42\n@=\"C:\\\\windows\\\\system32\\\\ole32.dll\"\n";
        reg += "\"ThreadingModel\"=\"Both\"\n\n";
    }
    reg +=
        "[Software\\\\Wow6432Node\\\\Infogrames\\\\Grand Prix 4\\\\1.00\\\\Install Dir] "
        "1733000000\n"
        "#time=1db3f0c7d2a6a42\n\"Directory\"=\"C:\\\\Spiele\\\\GP4\"\n\n";
    return reg;
}

void homeWith200Prefixes(const std::filesystem::path& home) {
    namespace fs = std::filesystem;
    const std::string withGame = largeSystemReg(200 << 10);
    const std::string without = withGame.substr(0, withGame.rfind("[Software\\\\Wow6432Node"));
    const std::pair<const char*, int> places[] = {{"Games/game-", 40},
                                                  {".local/share/bottles/bottles/bottle-", 30},
                                                  {"Games/Heroic/Prefixes/default/game-", 30},
                                                  {"Faugus/game-", 20},
                                                  {"Games/umu/umu-", 20},
                                                  {".PlayOnLinux/wineprefix/game-", 20},
                                                  {".steam/steam/steamapps/compatdata/", 40}};
    int made = 0;
    for (const auto& [place, count] : places) {
        for (int i = 0; i < count; ++i) {
            fs::path prefix = home / (place + std::to_string(1000 + i));
            const bool steam = std::string(place).ends_with("compatdata/");
            if (steam) prefix /= "pfx";
            fs::create_directories(prefix / "drive_c");
            const bool last = ++made == 200;
            test::writeBytes(prefix / "system.reg", last ? withGame : without);
            if (last) {
                fs::create_directories(prefix / "dosdevices");
                fs::create_directory_symlink("../drive_c", prefix / "dosdevices/c:");
                fs::create_directories(prefix / "drive_c/Spiele/GP4");
                test::writeBytes(prefix / "drive_c/Spiele/GP4/f1graphics.cfg", "0\r\n");
            }
        }
    }
}

}  // namespace torvexa::bench
