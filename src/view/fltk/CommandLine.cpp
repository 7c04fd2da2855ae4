#include "view/fltk/CommandLine.h"

#include <FL/Fl.H>
#include <X11/Xlib.h>

#include <cstdlib>
#include <ostream>
#include <string_view>

#include "config/GameInstall.h"
#include "platform/posix/PosixSystem.h"
#include "view/fltk/FltkVersion.h"

namespace torvexa::fltk {
namespace {

constexpr const char* kHelp =
    "Usage: torvexa [--help | --version | --list-games | --game PATH]\n"
    "Edits f1graphics.cfg, the graphics settings of Grand Prix 4, in its Wine prefix.\n"
    "Started without options, it opens its window; it needs a graphical display.\n"
    "\n"
    "  --help        print this help and exit\n"
    "  --version     print the version and exit\n"
    "  --list-games  print every copy of the game found, a line each: its name, a tab and\n"
    "                its f1graphics.cfg; the prefixes passed over, and why, on standard error\n"
    "  --game PATH   open the window on the copy of the game in PATH, for this run: a game\n"
    "                folder, its f1graphics.cfg, or a Wine prefix (for a Steam launch option\n"
    "                or a desktop action)\n"
    "\n"
    "Environment:\n"
    "  WINEPREFIX     the Wine prefix that holds the game (else ~/.wine and the prefixes of\n"
    "                 Lutris, Bottles, Heroic, Faugus, umu, PlayOnLinux and Steam, the one\n"
    "                 whose f1graphics.cfg was written last)\n"
    "  TORVEXA_SCALE  the window's scale, 1 to 4, where the desktop sets no Xft.dpi\n"
    "\n"
    "The chosen translation file is remembered in langopt.zel, in the folder Torvexa is\n"
    "started from. See torvexa(1).\n";

void listGames(std::ostream& out, std::ostream& errors) {
    PosixSystem system(PrefixSearch::fromEnvironment(), GameInstall::mark());
    for (const Installation& game : system.installations())
        out << game.name << '\t' << game.shown << '\n';
    tellPassedOver(system, errors);
}

}  // namespace

void tellPassedOver(const PosixSystem& system, std::ostream& errors) {
    for (const PassedOver& passed : system.passedOver())
        errors << "torvexa: passed over the Wine prefix " << passed.prefix.string() << ": "
               << passed.why << '\n';
}

std::optional<int> answerCommandLine(int argc, const char* const* argv, std::ostream& out,
                                     std::ostream& errors) {
    if (argc < 2) return std::nullopt;
    const std::string_view option = argv[1];
    if (argc == 2 && option == "--help") {
        out << kHelp;
        return 0;
    }
    if (argc == 2 && option == "--version") {
        out << "torvexa " << TORVEXA_VERSION << '\n';
        return 0;
    }
    if (argc == 2 && option == "--list-games") {
        listGames(out, errors);
        return 0;
    }
    if (argc == 3 && option == "--game" && *argv[2]) return std::nullopt;
    if (argc == 2 && option == "--game") {
        errors << "torvexa: --game needs the folder of a copy of the game\n";
        return 2;
    }
    const bool known = option == "--help" || option == "--version" || option == "--list-games" ||
                       option == "--game";
    const std::string_view unknown = known ? argv[argc > 3 ? 3 : 2] : option;
    errors << "torvexa: unknown option '" << unknown << "'\n"
           << "Try 'torvexa --help' for what it takes.\n";
    return 2;
}

std::string gameOption(int argc, const char* const* argv) {
    return argc == 3 && std::string_view(argv[1]) == "--game" ? argv[2] : "";
}

bool openDisplay(std::ostream& errors) {
    const char* name = std::getenv("DISPLAY");
    if (!name || !*name) {
        const char* wayland = std::getenv("WAYLAND_DISPLAY");
        errors << (wayland && *wayland
                       ? "Torvexa needs X11, on Wayland through Xwayland: DISPLAY is not set\n"
                       : "Torvexa needs a graphical display: DISPLAY is not set\n");
        return false;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        errors << "Torvexa needs a graphical display: cannot open display " << name << '\n';
        return false;
    }
    useDisplay(display);  // FLTK takes it as its own
    if (!toolkitOnX11()) {
        errors << "Torvexa needs X11, and this FLTK draws on another display server\n";
        return false;
    }
    return true;
}

}  // namespace torvexa::fltk
