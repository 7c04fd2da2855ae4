#include "support/TempDir.h"

#include "platform/TemporaryNames.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <random>
#include <stdexcept>

namespace torvexa::test {
namespace fs = std::filesystem;

TempDir::TempDir() {
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path candidate =
            fs::temp_directory_path() / ("torvexa-test-" + std::to_string(random()));
        if (fs::create_directory(candidate)) {
            path_ = candidate;
            return;
        }
    }
    throw std::runtime_error("no temporary folder could be made");
}

TempDir::~TempDir() {
    std::error_code ec;
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(path_, ec);
}

std::string dataFolder(std::string_view name) {
    const char* linked = std::getenv("TORVEXA_TEST_DATA");
    const std::string root = linked && *linked ? linked : TORVEXA_DATA_ROOT;
    return root + "/" + std::string(name);
}

std::vector<std::string> temporaryFilesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        if (writerOfTemporary(entry.path().filename().string()))
            names.push_back(entry.path().filename().string());
    return names;
}

std::vector<std::string> shippedLanguageFiles() {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dataFolder("lang")))
        if (entry.path().extension() == ".zpr") names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string readBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path.string());
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const fs::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path.string());
}

#ifndef _WIN32
WinePrefix::WinePrefix() {
    fs::create_directories(driveC());
    fs::create_directories(dir_ / "dosdevices");
    fs::create_directory_symlink("../drive_c", dir_ / "dosdevices" / "c:");
    fs::create_directory_symlink("/", dir_ / "dosdevices" / "z:");
}

void WinePrefix::writeSystemReg(std::string_view body) const {
    std::string text =
        "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n#arch=win64\n\n";
    text += body;
    writeBytes(dir_ / "system.reg", text);
}

void WinePrefix::registerGame(std::string_view windowsDirectory) const {
    std::string escaped;
    for (const char c : windowsDirectory) {
        if (c == '\\' || c == '"') escaped += '\\';
        escaped += c;
    }
    writeSystemReg(
        "[Software\\\\Wow6432Node\\\\Infogrames\\\\Grand Prix 4\\\\1.00\\\\Install Dir] "
        "1733000000\n"
        "#time=1db3f0c7d2a6a42\n"
        "\"Directory\"=\"" +
        escaped + "\"\n\n");
}

#endif

}  // namespace torvexa::test
