#pragma once

// The Windows view's own state, what every part of it reaches: what it made, what it follows,
// and how a failure to make a window is told. Only the files of the Windows view include this.

// The program's headers first: Windows' macros must reach none of them.
#include "view/win32/GdiObjects.h"
#include "view/win32/Keyboard.h"
#include "view/win32/TextDrawing.h"
#include "view/win32/WindowData.h"

#include <functional>
#include <map>
#include <memory>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "ui/Following.h"
#include "ui/ListRules.h"
#include "ui/Palette.h"
#include "ui/TextRules.h"

namespace torvexa::win32 {

// Builds the native windows of one form and everything in it.
void buildWindows(ViewState& view, Form& form);

// The Windows view's state: what it made, and what it follows.
struct ViewState {
    explicit ViewState(Program& shown) : program(shown) {}

    // Runs a person's action under the top level.
    void perform(const std::function<void()>& action) { program.application().perform(action); }

    // Asks again whether the high-contrast theme is on, makes the brushes anew and paints every
    // window again: after a change of the theme or of the system's colours.
    void recolour() {
        gdi.useHighContrast(highContrast());
        for (HWND window : topLevel)
            RedrawWindow(window, nullptr, nullptr,
                         RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    }

    // The dpi a window is drawn at: the one of the form window it belongs to.
    int dpiOf(HWND window) const {
        const auto found = dpis.find(GetAncestor(window, GA_ROOT));
        return found == dpis.end() ? systemDpi() : found->second;
    }

    Program& program;
    GdiObjects gdi;
    std::map<HWND, int> dpis;  // each form window's
    std::vector<std::unique_ptr<Binding>> bindings;
    std::vector<std::unique_ptr<Container>> containers;
    std::map<const Control*, HWND> windows;
    std::vector<HWND> topLevel;
    std::vector<std::function<void()>> menuCommands;
    std::function<bool()> highContrast = systemHighContrast;
    Following following;
};

// What Windows could not make: without it the view cannot show the program.
class ViewFailure : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The handle Windows made; none fails with the call's name and the system's error code.
template <typename Handle>
Handle made(Handle handle, const char* call) {
    if (!handle)
        throw ViewFailure(std::string(call) + " failed (error " + std::to_string(GetLastError()) +
                          ")");
    return handle;
}

// A row a list or drop-down could not take (LB_ERRSPACE, CB_ERRSPACE or an error): the only
// cause left once the index is valid is a lack of memory.
inline void rowAdded(LRESULT result) {
    if (result < 0) throw std::bad_alloc();
}

}  // namespace torvexa::win32
