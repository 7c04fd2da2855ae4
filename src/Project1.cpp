// Torvexa: the program's start. Builds the three windows headless, then shows them with the
// platform's view: FLTK on Linux, native controls on Windows.

// The windows first: X11, which FLTK brings in, defines macros named like controls (Button1).
#include "forms/Program.h"

#ifdef _WIN32
#include "platform/win32/WindowsSystem.h"
#include "view/win32/Win32Dialogs.h"
#include "view/win32/Win32View.h"
#else
#include <filesystem>
#include <iostream>
#include <system_error>

#include "platform/posix/PosixSystem.h"
#include "view/fltk/FltkDialogs.h"
#include "view/fltk/FltkView.h"
#include "view/fltk/ScreenScale.h"
#include "view/fltk/Toolkit.h"
#endif

#ifdef _WIN32

int main(int argc, char** argv) {
    (void)argc;
    torvexa::WindowsSystem system;
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

// The translation files that come with Torvexa, where the open dialog starts: installed beside
// the program, else in the source tree it was built from.
std::filesystem::path shippedLanguages() {
    std::error_code error;
    const auto program = std::filesystem::read_symlink("/proc/self/exe", error);
    for (const std::filesystem::path& folder : {program.parent_path() / TORVEXA_LANG_FROM_BIN,
                                                std::filesystem::path(TORVEXA_SOURCE_LANG)}) {
        if (!error && std::filesystem::is_directory(folder, error))
            return folder.lexically_normal();
        error.clear();
    }
    return {};
}

}  // namespace

int main(int argc, char** argv) {
    (void)argc;
    const double scale = torvexa::fltk::screenScale();
    torvexa::fltk::initialiseToolkit(scale);
    torvexa::PosixSystem system(torvexa::PrefixSearch::fromEnvironment());
    torvexa::fltk::FltkDialogs dialogs(shippedLanguages(), scale);
    torvexa::Program program(system, dialogs, argv[0]);
    std::cerr << "torvexa: Wine prefix " << system.prefix().string() << '\n';
    if (!program.running()) return 0;  // the end was requested during start-up
    torvexa::fltk::FltkView view(program, scale);
    return view.run();
}

#endif
