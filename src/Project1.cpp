// Torvexa: the program's start. Builds the three windows headless, then shows them with FLTK.

// The windows first: X11, which FLTK brings in, defines macros named like controls (Button1).
#include "forms/Program.h"

#include <FL/Fl.H>

#include "platform/posix/PosixSystem.h"
#include "view/fltk/FltkDialogs.h"
#include "view/fltk/FltkView.h"

int main(int argc, char** argv) {
    (void)argc;
    torvexa::fltk::initialiseToolkit();
    torvexa::PosixSystem system(torvexa::PosixSystem::defaultPrefix());
    torvexa::fltk::FltkDialogs dialogs;
    torvexa::Program program(system, dialogs, argv[0]);
    if (!program.running()) return 0;  // the end was requested during start-up
    torvexa::fltk::FltkView view(program);
    return view.run();
}
