#pragma once

// What the Windows view's parts share: the data each native window carries, the fonts and
// brushes, and the view's own state. Only the files of the Windows view include this.

#include "forms/Program.h"

// Windows' headers after the program's, so that their macros reach none of its headers.
#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>

#include <functional>
#include <map>
#include <memory>
#include <new>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "ui/Following.h"
#include "ui/ListRules.h"
#include "ui/Palette.h"
#include "ui/TextRules.h"

namespace torvexa::win32 {

struct ViewState;

// What a window's GWLP_USERDATA points at, tagged so that one kind is never read as the other.
struct WindowData {
    enum class Kind { Control, Container };
    explicit WindowData(Kind carried) : kind(carried) {}
    const Kind kind;
};

// A native control bound to its model control: what it does when it notifies its container.
struct Binding : WindowData {
    Binding() : WindowData(Kind::Control) {}
    std::function<void(int code)> command;  // WM_COMMAND notification code
    std::function<void()> scroll;           // WM_HSCROLL of a slider
    std::function<bool(int delta)> upDown;  // UDN_DELTAPOS; true: the native change is refused
    Control* control = nullptr;             // whose colours it takes
    ViewState* view = nullptr;
    bool hovered = false;  // a flat button: the pointer is over it
    bool pressed = false;  // a flat button: the mouse button is down on it
};

// A window of the container class: a form, a panel or a group box.
struct Container : WindowData {
    Container(ViewState* owner, Control* shown, Form* window, GroupBox* group)
        : WindowData(Kind::Container), view(owner), control(shown), form(window), frame(group) {}
    ViewState* view;
    Control* control;
    Form* form;            // for a window of its own
    GroupBox* frame;       // for a group box: an etched frame with its caption
    HWND focus = nullptr;  // a window's control that had the focus when it was deactivated
};

// The binding or container a window carries, or nothing when it carries the other kind.
Binding* bindingOf(HWND window);
Container* containerOf(HWND window);

COLORREF toColorRef(Colour colour);

// Fonts and brushes, made once each and freed with it, and the screen's scale (layouts are
// at 96 dpi).
class GdiObjects {
  public:
    GdiObjects();
    ~GdiObjects();
    GdiObjects(const GdiObjects&) = delete;
    GdiObjects& operator=(const GdiObjects&) = delete;

    int scale(int pixels) const { return MulDiv(pixels, dpi_, 96); }
    HFONT font(const Font& font);
    HBRUSH brush(Colour colour);

  private:
    int dpi_ = 96;
    std::map<std::tuple<Typeface, int, bool, bool, bool>, HFONT> fonts_;
    std::map<Colour, HBRUSH> brushes_;
};

inline constexpr wchar_t kContainerClass[] = L"TorvexaContainer";
inline constexpr wchar_t kFlatButtonClass[] = L"TorvexaFlatButton";
inline constexpr UINT kFirstMenuId = 100;  // above IDOK and IDCANCEL, which the dialog keys send

LRESULT CALLBACK containerProc(HWND window, UINT message, WPARAM w, LPARAM l);
LRESULT CALLBACK flatButtonProc(HWND window, UINT message, WPARAM w, LPARAM l);

// Builds the native windows of one form and everything in it.
void buildWindows(ViewState& view, Form& form);

// The Windows view's state: what it made, and what it follows.
struct ViewState {
    explicit ViewState(Program& shown) : program(shown) {}

    // Runs a person's action under the top level.
    void perform(const std::function<void()>& action) { program.application().perform(action); }

    Program& program;
    GdiObjects gdi;
    std::vector<std::unique_ptr<Binding>> bindings;
    std::vector<std::unique_ptr<Container>> containers;
    std::map<const Control*, HWND> windows;
    std::vector<HWND> topLevel;
    std::vector<std::function<void()>> menuCommands;
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

// Keyboard.cpp: a radio button whose previous sibling is one too, in its group; Tab reaches a
// group of radio buttons at its chosen one; Tab leaves a multi-line edit (a window subclass);
// a hidden container hands the focus on.
bool continuesGroup(const RadioButton& radio);
void updateRadioTabStops(const ViewState& view, const Control& parent);
LRESULT CALLBACK tabMovesOn(HWND window, UINT message, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR);
void keepFocusReachable(HWND container);

// TextDrawing.cpp: an underlined label's painting (a window subclass whose data is its
// Binding), and how wide a text is in a font, in layout pixels (96 dpi).
LRESULT CALLBACK underlinedLabel(HWND window, UINT message, WPARAM w, LPARAM l, UINT_PTR,
                                 DWORD_PTR data);
int textWidth(HWND window, HFONT font, const std::wstring& text);

// The text of a native window, as program text.
std::string windowText(HWND window);

}  // namespace torvexa::win32
