// The document, the safe save and the registry, each beside the floor the system sets:
// reading a file into memory, the minimal durable save, and nothing (the registry in ms).
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <malloc.h>
#include <unistd.h>

#include <filesystem>

#include "bench/Inputs.h"
#include "config/ConfigDocument.h"
#include "config/GameInstall.h"
#include "platform/posix/FileReading.h"
#include "platform/posix/PosixSystem.h"
#include "platform/posix/SafeSave.h"
#include "support/Scenario.h"
#include "support/TempDir.h"

namespace torvexa::bench {
namespace {

namespace fs = std::filesystem;

// One file of each size for the whole run.
const fs::path& configOf(std::size_t megabytes) {
    static test::TempDir dir;
    static std::map<std::size_t, fs::path> files;
    auto& path = files[megabytes];
    if (path.empty()) {
        path = dir / ("f1graphics-" + std::to_string(megabytes) + "MB.cfg");
        test::writeBytes(path, plausibleConfig(megabytes << 20));
    }
    return path;
}

// The floor: the file's bytes read into memory with one call.
void BM_ReadFloor(benchmark::State& state) {
    const fs::path& path = configOf(static_cast<std::size_t>(state.range(0)));
    const auto size = fs::file_size(path);
    for (auto _ : state) {
        std::string bytes(size, '\0');
        const int fd = ::open(path.c_str(), O_RDONLY);
        benchmark::DoNotOptimize(::read(fd, bytes.data(), size));
        ::close(fd);
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
}
BENCHMARK(BM_ReadFloor)->Arg(1)->Arg(10)->Arg(50)->Unit(benchmark::kMillisecond);

// Reading and parsing, as a load does: the file read whole, then split into the lists.
void BM_ReadParse(benchmark::State& state) {
    const fs::path& path = configOf(static_cast<std::size_t>(state.range(0)));
    const auto size = fs::file_size(path);
    for (auto _ : state) {
        ConfigDocument document;
        document.load(readWholeFile(path));
        benchmark::DoNotOptimize(document.count());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
}
BENCHMARK(BM_ReadParse)->Arg(1)->Arg(10)->Arg(50)->Unit(benchmark::kMillisecond);

// Bytes a loaded document holds, per byte of the file.
void BM_Memory50MB(benchmark::State& state) {
    const fs::path& path = configOf(50);
    const double size = static_cast<double>(fs::file_size(path));
    double ratio = 0;
    for (auto _ : state) {
        const auto held = [] {
            const struct mallinfo2 info = mallinfo2();
            return info.uordblks + info.hblkhd;  // small blocks and mapped ones
        };
        const std::size_t before = held();
        ConfigDocument document;
        document.load(readWholeFile(path));
        ratio = static_cast<double>(held() - before) / size;
        benchmark::DoNotOptimize(document.count());
    }
    state.counters["held_per_byte"] = ratio;
}
BENCHMARK(BM_Memory50MB)->Iterations(1)->Unit(benchmark::kMillisecond);

// The floor of a durable save: temporary file, write, fsync, close, rename, fsync the folder.
void minimalSave(const fs::path& target, std::string_view content) {
    const fs::path temporary = target.parent_path() / ".floor.tmp";
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    benchmark::DoNotOptimize(::write(fd, content.data(), content.size()));
    ::fsync(fd);
    ::close(fd);
    ::rename(temporary.c_str(), target.c_str());
    const int folder = ::open(target.parent_path().c_str(), O_RDONLY | O_DIRECTORY);
    ::fsync(folder);
    ::close(folder);
}

std::string saveContent(int which) {
    return which == 0 ? test::Scenario::sampleConfig() : plausibleConfig(1 << 20);
}

void BM_SaveFloor(benchmark::State& state) {
    test::TempDir dir;
    const std::string content = saveContent(static_cast<int>(state.range(0)));
    for (auto _ : state)
        minimalSave(dir / "f1graphics.cfg", content);
}
BENCHMARK(BM_SaveFloor)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_Save(benchmark::State& state) {
    test::TempDir dir;
    const std::string content = saveContent(static_cast<int>(state.range(0)));
    for (auto _ : state)
        writeFileAtomically(dir / "f1graphics.cfg", content);
}
BENCHMARK(BM_Save)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The game folder's lookup in a 2 MB system.reg, as every load and backup makes it.
void BM_RegistryLookup2MB(benchmark::State& state) {
    test::TempDir prefix;
    test::writeBytes(prefix / "system.reg", largeSystemReg(2 << 20));
    PosixSystem system(prefix.path());
    for (auto _ : state) {
        const RegistryValue value = system.readMachineValue(
            "SOFTWARE\\Infogrames\\Grand Prix 4\\1.00\\Install Dir", "Directory");
        if (value.text != "C:\\Spiele\\GP4") state.SkipWithError("the key was not found");
        benchmark::DoNotOptimize(value.text.data());
    }
}
BENCHMARK(BM_RegistryLookup2MB)->Unit(benchmark::kMillisecond);

// The lookup when the game lives in the last of 50 prefixes (Lutris game folders), each with
// a 200 KB registry: every load and backup searches them all again.
void BM_PrefixSearch50(benchmark::State& state) {
    test::TempDir home;
    const std::string other = largeSystemReg(200 << 10);
    for (int i = 0; i < 50; ++i) {
        const fs::path prefix = home / ("Games/game-" + std::to_string(100 + i));
        fs::create_directories(prefix / "drive_c");
        test::writeBytes(prefix / "system.reg",
                         i < 49 ? other.substr(0, other.rfind("[Software\\\\Wow6432Node")) : other);
    }
    PosixSystem system(PrefixSearch(home.path(), home / ".config", home / ".local/share"),
                       GameInstall::mark());
    for (auto _ : state) {
        const RegistryValue value = system.readMachineValue(
            "SOFTWARE\\Infogrames\\Grand Prix 4\\1.00\\Install Dir", "Directory");
        if (value.text != "C:\\Spiele\\GP4") state.SkipWithError("the key was not found");
    }
}
BENCHMARK(BM_PrefixSearch50)->Unit(benchmark::kMillisecond);

// Every copy of the game in a home of 200 prefixes spread over the launchers, as the start and
// the Info page's list search them.
void BM_Installations200(benchmark::State& state) {
    test::TempDir home;
    homeWith200Prefixes(home.path());
    PosixSystem system(PrefixSearch(home.path(), home / ".config", home / ".local/share"),
                       GameInstall::mark());
    for (auto _ : state) {
        if (system.installations().size() != 1) state.SkipWithError("the game was not found");
    }
}
BENCHMARK(BM_Installations200)->Unit(benchmark::kMillisecond);

void BM_Places200(benchmark::State& state) {
    test::TempDir home;
    homeWith200Prefixes(home.path());
    PrefixSearch search(home.path(), home / ".config", home / ".local/share");
    for (auto _ : state)
        benchmark::DoNotOptimize(search.places().size());
}
BENCHMARK(BM_Places200)->Unit(benchmark::kMillisecond);

// A load of the sample, headless: the CPU it takes beyond its 100 ms pause.
void BM_LoadSample(benchmark::State& state) {
    test::Scenario s;
    s.rememberLanguage(test::Scenario::shippedLanguage("deutsch.zpr"));
    s.installGame(test::Scenario::sampleConfig());
    s.start();
    for (auto _ : state)
        s.user([&] { s.form1().Laden1.click(); });
}
BENCHMARK(BM_LoadSample)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace torvexa::bench

BENCHMARK_MAIN();
