#include "bench/Inputs.h"

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

}  // namespace torvexa::bench
