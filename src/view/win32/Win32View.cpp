#include "view/win32/Win32View.h"

#include "view/win32/Keyboard.h"
#include "view/win32/ViewParts.h"

#include "ui/WindowRules.h"

#include <stdexcept>

namespace torvexa::win32 {
namespace {

void registerWindowClasses() {
    INITCOMMONCONTROLSEX controls{sizeof controls,
                                  ICC_BAR_CLASSES | ICC_UPDOWN_CLASS | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSEXW container{};
    container.cbSize = sizeof container;
    container.lpfnWndProc = containerProc;
    container.hInstance = GetModuleHandleW(nullptr);
    container.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    container.hIcon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
    container.lpszClassName = kContainerClass;
    WNDCLASSEXW flat = container;
    flat.lpfnWndProc = flatButtonProc;
    flat.hIcon = nullptr;
    flat.lpszClassName = kFlatButtonClass;
    // A class registered before (a second view in one process) is no failure: it is the same.
    for (const WNDCLASSEXW* windowClass : {&container, &flat}) {
        if (!RegisterClassExW(windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
            throw ViewFailure("RegisterClassExW failed (error " + std::to_string(GetLastError()) +
                              ")");
    }
}

}  // namespace

Win32View::Win32View(Program& program, std::function<bool()> highContrast)
    : parts_(std::make_unique<ViewParts>(program)) {
    if (highContrast) parts_->highContrast = std::move(highContrast);
    parts_->gdi.useHighContrast(parts_->highContrast());
    registerWindowClasses();
    for (Form* form : program.forms())
        buildWindows(*parts_, *form);
    // The end of the program hides every window, whatever its form says, and ends the loop.
    program.application().setObserver([parts = parts_.get()] {
        for (Form* form : parts->program.forms())
            if (!shownOnScreen(*form, parts->program.application()))
                ShowWindow(parts->windows.at(form), SW_HIDE);
        PostQuitMessage(0);
    });
}

Win32View::~Win32View() {
    parts_->program.application().setObserver({});
    parts_->following.detachAll();
    for (HWND window : parts_->topLevel)
        DestroyWindow(window);
}

int Win32View::run() {
    if (parts_->program.application().terminated()) return 0;
    MSG message;
    MenuKeys menuKeys;
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        deliver(menuKeys, message);
    return 0;
}

void* Win32View::windowOf(const Control& control) const {
    const auto it = parts_->windows.find(&control);
    return it == parts_->windows.end() ? nullptr : it->second;
}

}  // namespace torvexa::win32
