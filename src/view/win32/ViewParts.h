#pragma once

// What the Windows view made and follows, which every part of it reaches, as the FLTK view's
// ViewParts. Only the files of the Windows view include this.

// The program's headers first: Windows' macros must reach none of them.
#include "view/win32/GdiObjects.h"
#include "view/win32/Made.h"
#include "view/win32/WindowData.h"

#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "ui/Following.h"

namespace torvexa::win32 {

// Builds the native windows of one form and everything in it.
void buildWindows(ViewParts& view, Form& form);

// What the Windows view made, and what it follows; the builder fills it, the view owns it.
struct ViewParts {
    explicit ViewParts(Program& shown) : program(shown) {}

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

}  // namespace torvexa::win32
