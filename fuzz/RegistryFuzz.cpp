// The system.reg reader takes any bytes; a mapped Windows path never leaves the prefix's
// drives. The input is a path, a NUL, then the registry's text.
#include <cstdint>
#include <filesystem>
#include <string>

#include "Check.h"
#include "platform/posix/WinePaths.h"
#include "platform/posix/WineRegistry.h"

using namespace torvexa;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::size_t nul = bytes.find('\0');
    const std::string path = bytes.substr(0, nul);
    const std::string reg = nul == std::string::npos ? std::string() : bytes.substr(nul + 1);

    const RegistryValue value =
        findMachineValue(reg, "SOFTWARE\\Infogrames\\Grand Prix 4\\1.00\\Install Dir", "Directory");
    FUZZ_CHECK(value.kind == RegistryValue::Kind::Text || value.text.empty(),
               "only a text value has text");

    // A prefix that does not exist: nothing is matched on disk, the mapping is lexical.
    const std::filesystem::path prefix = "/nonexistent-torvexa-prefix";
    const bool drive = path.size() >= 2 && path[1] == ':' &&
                       ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
    if (!drive && path.find('\\') == std::string::npos) return 0;  // a path of this machine
    const std::filesystem::path mapped = windowsToPosix(path, prefix);
    const std::string text = mapped.lexically_normal().string();
    const std::string drives = (prefix / "dosdevices").string() + "/";
    FUZZ_CHECK(text.compare(0, drives.size(), drives) == 0, "a mapped path stays on a drive");
    for (const auto& part : mapped)
        FUZZ_CHECK(part != "..", "no component climbs");
    return 0;
}
