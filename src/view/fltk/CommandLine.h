#pragma once

#include <iosfwd>
#include <optional>
#include <string>

namespace torvexa {
class PosixSystem;
}

namespace torvexa::fltk {

// What the command line asks for before any window opens: --help, --version and --list-games
// answer on standard output; --game PATH opens the window; anything else is refused on standard
// error. Returns the exit status when the program should end now, nothing when it should open
// its window.
std::optional<int> answerCommandLine(int argc, const char* const* argv, std::ostream& out,
                                     std::ostream& errors);

// The copy of the game --game names (a game folder, its f1graphics.cfg or a Wine prefix); empty
// without it.
std::string gameOption(int argc, const char* const* argv);

// Each prefix the system's last search of the game passed over, and why, a line each.
void tellPassedOver(const PosixSystem& system, std::ostream& errors);

// Opens the X display for the toolkit; when there is none, says so in one line on `errors`
// and returns false.
bool openDisplay(std::ostream& errors);

}  // namespace torvexa::fltk
