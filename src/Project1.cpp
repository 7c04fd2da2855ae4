// Torvexa: the program's start. Builds the three windows headless, then shows them with the
// platform's view: FLTK on Linux, native controls on Windows.

// The windows first: X11, which FLTK brings in, defines macros named like controls (Button1).
#include "forms/Program.h"

#include "config/GameInstall.h"

#ifdef _WIN32
#include "platform/win32/WindowsSystem.h"
#include "view/win32/Win32Dialogs.h"
#include "view/win32/Win32View.h"
#else
#include <filesystem>
#include <iostream>
#include <system_error>

#include "platform/posix/PosixSystem.h"
#include "view/fltk/CommandLine.h"
#include "view/fltk/FltkDialogs.h"
#include "view/fltk/FltkView.h"
#include "view/fltk/Fonts.h"
#include "view/fltk/ScreenScale.h"
#include "view/fltk/Toolkit.h"
#endif

#ifdef _WIN32

int main(int argc, char** argv) {
    (void)argc;
    torvexa::WindowsSystem system(torvexa::GameInstall::mark());
    torvexa::win32::Win32Dialogs dialogs;
    torvexa::Program program(system, dialogs, argv[0]);
    if (!program.running()) return 0;  // the end was requested during start-up
    try {
        torvexa::win32::Win32View view(program);
        return view.run();
    } catch (const std::bad_alloc&) {
        dialogs.errorBox("Out of memory");
    } catch (const std::exception& failure) {
        // Windows could not make a window, menu or brush: say which call, then end.
        dialogs.errorBox(std::string("Torvexa could not open its windows: ") + failure.what());
    }
    return 1;
}

#else

namespace {

// A folder of what comes with Torvexa, `fromProgram` relative to the program's own folder.
std::filesystem::path besideProgram(const char* fromProgram) {
    std::error_code error;
    const auto program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return {};
    const auto folder = program.parent_path() / fromProgram;
    return std::filesystem::is_directory(folder, error) ? folder.lexically_normal()
                                                        : std::filesystem::path();
}

// The translation files that come with Torvexa, where the open dialog starts: installed beside
// the program, else in the source tree it was built from.
std::filesystem::path shippedLanguages() {
    std::error_code error;
    if (auto installed = besideProgram(TORVEXA_LANG_FROM_BIN); !installed.empty()) return installed;
    const std::filesystem::path source(TORVEXA_SOURCE_LANG);
    return !source.empty() && std::filesystem::is_directory(source, error)
               ? source
               : std::filesystem::path();
}

// Which prefix the game was found in, and each one passed over and why; or that none has it.
void tellWhereTheGameIs(torvexa::PosixSystem& system, std::ostream& out) {
    torvexa::fltk::tellPassedOver(system, out);
    if (const std::optional<torvexa::Installation> copy = system.inUse())
        out << "torvexa: the game in use: " << copy->name << ", " << copy->shown << '\n';
    else
        out << "torvexa: no copy of the game found: choose its folder on the Info page, or "
               "name it with --game\n";
}

}  // namespace

int main(int argc, char** argv) {
    if (const auto status = torvexa::fltk::answerCommandLine(argc, argv, std::cout, std::cerr))
        return *status;
    torvexa::PosixSystem system(torvexa::PrefixSearch::fromEnvironment(),
                                torvexa::GameInstall::mark());
    if (const std::string game = torvexa::fltk::gameOption(argc, argv); !game.empty()) {
        if (!system.nameForThisRun(game)) {
            std::cerr << "torvexa: no copy of the game in " << game
                      << " (a game folder holding f1graphics.cfg, or a Wine prefix whose registry "
                         "names one)\n";
            return 2;
        }
    }
    if (!torvexa::fltk::openDisplay(std::cerr)) return 1;
    torvexa::fltk::useOwnFonts(besideProgram(TORVEXA_FONTS_FROM_BIN));
    torvexa::fltk::checkLayoutFont(std::cerr);
    const double scale = torvexa::fltk::screenScale();
    torvexa::fltk::initialiseToolkit(scale);
    torvexa::fltk::FltkDialogs dialogs(shippedLanguages(), scale);
    torvexa::Program program(system, dialogs, argv[0]);
    tellWhereTheGameIs(system, std::cerr);
    if (!program.running()) return 0;  // the end was requested during start-up
    torvexa::fltk::FltkView view(program, scale);
    return view.run();
}

#endif
