#pragma once

#include "ui/Application.h"
#include "ui/Form.h"

// How the program's windows come and go, in every view.
namespace torvexa {

// A window is on the screen while its form is visible and the program runs: once the program
// ends, every window is hidden, whatever its form says.
bool shownOnScreen(const Form& form, const Application& application);

// What a desktop adds around a window's own area: its frame and title bar.
struct FrameSize {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// A window's rectangle moved into the work area of its screen (without the panels), its frame
// included, so that it never opens beyond an edge; one larger than the area keeps its top left
// corner inside. The window is placed where it fits nearest to where it was asked for.
Rect keptInside(const Rect& window, const Rect& workArea, const FrameSize& frame = {});

// What asks a window to close. The title bar's button (or the system menu, or the desktop),
// Esc and Enter go to the form, which decides; a field or a button that has the focus takes
// Enter first.
enum class CloseRequest { TitleBar, EscapeKey, EnterKey };
void requestClose(Form& form, CloseRequest request);

}  // namespace torvexa
