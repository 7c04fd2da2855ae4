// Kills saves of a large file with SIGKILL at random moments, N times: afterwards the file is
// always the old or the new content, never anything else, and the temporary files the killed
// saves left are gone after the next save. Usage: stress_save [KILLS] (default 1000)
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

#include "platform/posix/SafeSave.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;
using torvexa::writeFileAtomically;

namespace {

std::string document(char value, std::size_t bytes) {
    std::string content;
    while (content.size() < bytes)
        content += std::string(1, value) + "  ; a line of the document that is being saved\r\n";
    return content;
}

std::size_t temporaryFiles(const fs::path& folder) {
    std::size_t count = 0;
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.path().filename().string().find(".torvexa-") != std::string::npos) ++count;
    return count;
}

}  // namespace

int main(int argc, char** argv) {
    const int kills = argc > 1 ? std::atoi(argv[1]) : 1000;
    torvexa::test::TempDir dir;
    const fs::path target = dir / "f1graphics.cfg";
    const std::string before = document('0', 1300 << 10);
    const std::string after = document('1', 1300 << 10);
    writeFileAtomically(target, before);

    std::mt19937 random(std::random_device{}());
    int wrong = 0;
    for (int i = 0; i < kills; ++i) {
        const pid_t saver = ::fork();
        if (saver == 0) {
            for (int n = 0;; ++n)
                writeFileAtomically(target, n % 2 ? before : after);
        }
        ::usleep(static_cast<useconds_t>(random() % 8000));
        ::kill(saver, SIGKILL);
        ::waitpid(saver, nullptr, 0);
        const std::string now = torvexa::test::readBytes(target);
        if (now != before && now != after) ++wrong;
    }
    const std::size_t left = temporaryFiles(dir.path());
    writeFileAtomically(target, before);  // the next save cleans up after the killed ones
    const std::size_t afterSave = temporaryFiles(dir.path());
    std::printf(
        "%d kills during saves of a %zu-byte file: %d files neither old nor new; "
        "%zu temporary files left by killed saves, %zu after the next save\n",
        kills, before.size(), wrong, left, afterSave);
    return wrong == 0 && afterSave == 0 ? 0 : 1;
}
