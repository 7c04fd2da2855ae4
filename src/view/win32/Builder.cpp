// Builds one native control per model control and keeps it up to date through the control's
// observer: forms, panels, group boxes, shapes, check boxes, radio buttons, buttons and sliders
// (the containers' window procedure in Containers.cpp, edit fields and up-downs in Fields.cpp,
// drop-downs in DropDown.cpp, labels in Labels.cpp, lists in Lists.cpp, menus in Menus.cpp).
#include "view/win32/Builder.h"

#include <algorithm>

#include "platform/win32/WideText.h"
#include "ui/RadioGroups.h"
#include "ui/ReaderNames.h"
#include "ui/TextRules.h"
#include "ui/WindowRules.h"
#include "view/win32/Keyboard.h"
#include "view/win32/Layout.h"

namespace torvexa::win32 {
namespace {

using winsys::wide;

constexpr int kThumbLength = 14;  // a slider's thumb, at 96 dpi

// The dialog manager's groups, which arrow keys move within, start at a control with WS_GROUP
// and run to the next one
// (https://learn.microsoft.com/windows/win32/dlgbox/dlgbox-programming-considerations#dialog-box-keyboard-interface):
// a group of radio buttons starts one, and the control after it starts the next.
DWORD groupStyle(const Control& control) {
    if (const auto* radio = dynamic_cast<const RadioButton*>(&control))
        return startsRadioGroup(*radio) ? WS_GROUP : 0;
    if (!control.parent()) return 0;
    const auto& order = control.parent()->tabOrder();
    const auto at = std::find(order.begin(), order.end(), &control);
    const bool afterRadio = at != order.begin() && dynamic_cast<const RadioButton*>(*(at - 1));
    return afterRadio ? WS_GROUP : 0;
}

}  // namespace

void applyState(HWND window, const Control& control) {
    if (!control.visible() || !control.enabled()) handFocusOn(window);
    ShowWindow(window, control.visible() ? SW_SHOWNA : SW_HIDE);
    EnableWindow(window, control.enabled());
}

void buildWindows(ViewParts& view, Form& form) {
    Builder builder(view);
    form.accept(builder);
}

void Builder::children(Control& parent, HWND container) {
    const HWND saved = parent_;
    parent_ = container;
    // The keyboard visits them in this order. A screen reader names a field by the label right
    // before it in this order, which labels, no tab stops, join without changing the keyboard's.
    for (Control* control : parent.tabOrder()) {
        if (placedBeforeItsField(*control)) continue;
        if (Label* own = ownLabelOf(*control))
            own->accept(*this);
        else if (Control* caption = control->namedBy())
            nameOnlyLabel(*control, *caption);
        control->accept(*this);
    }
    parent_ = saved;
}

void Builder::nameOnlyLabel(const Control& field, Control& caption) {
    // Hidden: a screen reader reads it, no one sees it
    // (https://learn.microsoft.com/windows/win32/winauto/ensure-that-ui-elements-are-named-correctly).
    const RECT r = placeOf(field, view_.dpiOf(parent_));
    HWND window = made(CreateWindowExW(0, L"STATIC", L"", WS_CHILD | SS_LEFTNOWORDWRAP, r.left,
                                       r.top, r.right - r.left, r.bottom - r.top, parent_, nullptr,
                                       GetModuleHandleW(nullptr), nullptr),
                       "CreateWindowExW");
    view_.following.follow(caption, [window, &caption](const Change&) {
        SetWindowTextW(window, wide(caption.caption()).c_str());
    });
}

Binding& Builder::bind(HWND window, Control& control) {
    auto& binding = *view_.bindings.emplace_back(std::make_unique<Binding>());
    binding.control = &control;
    binding.view = &view_;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&binding));
    view_.windows[&control] = window;
    return binding;
}

HWND Builder::child(Control& control, const wchar_t* kind, DWORD style, DWORD exStyle,
                    int extraHeight) {
    const int dpi = view_.dpiOf(parent_);
    const RECT r = placeOf(control, dpi);
    HWND window =
        made(CreateWindowExW(exStyle, kind, L"",
                             WS_CHILD | WS_CLIPSIBLINGS | groupStyle(control) | style, r.left,
                             r.top, r.right - r.left, r.bottom - r.top + scaledTo(extraHeight, dpi),
                             parent_, nullptr, GetModuleHandleW(nullptr), nullptr),
             "CreateWindowExW");
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(view_.gdi.font(control.font(), dpi)),
                 FALSE);
    return window;
}

void Builder::visit(Form& form) {
    const bool closeButton = form.titleButtons() == Form::TitleButtons::SystemMenuAndClose;
    const DWORD style =
        WS_OVERLAPPED | WS_CAPTION | WS_CLIPCHILDREN | (closeButton ? WS_SYSMENU : 0);
    const DWORD exStyle = WS_EX_CONTROLPARENT;
    menu_ = form.mainMenu() ? buildMenu(*form.mainMenu()) : nullptr;
    // Made at the system's dpi, then told its monitor's; a window on another monitor's dpi is
    // laid out again at once (per-monitor awareness: Windows does not stretch it).
    const int systemWide = systemDpi();
    const RECT frame = formWindowRect(form, style, exStyle, menu_ != nullptr, systemWide);
    auto& container =
        *view_.containers.emplace_back(std::make_unique<Container>(&view_, &form, &form, nullptr));
    // The dialogs belong to the main window: an owned window has no taskbar button of its own
    // and stays above its owner
    // (https://learn.microsoft.com/windows/win32/winmsg/window-features#owned-windows).
    HWND owner = view_.topLevel.empty() ? nullptr : view_.topLevel.front();
    HWND window = made(CreateWindowExW(exStyle, kContainerClass, L"", style, frame.left, frame.top,
                                       frame.right - frame.left, frame.bottom - frame.top, owner,
                                       menu_, GetModuleHandleW(nullptr), &container),
                       "CreateWindowExW");
    view_.windows[&form] = window;
    view_.topLevel.push_back(window);
    view_.dpis[window] = systemWide;
    SendMessageW(window, WM_SETFONT,
                 reinterpret_cast<WPARAM>(view_.gdi.font(form.font(), systemWide)), FALSE);
    children(form, window);
    const int monitorDpi = dpiOfWindow(window);
    if (monitorDpi != systemWide) {  // the window is on a monitor of another scale
        view_.dpis[window] = monitorDpi;
        const RECT r = formWindowRect(form, style, exStyle, menu_ != nullptr, monitorDpi);
        SetWindowPos(window, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        layOutAgain(view_, form, monitorDpi);
    }

    const Application& application = view_.program.application();
    int fronted = form.frontRequests();
    view_.following.follow(form, [window, &form, &application, fronted](const Change&) mutable {
        SetWindowTextW(window, wide(form.caption()).c_str());
        if (!shownOnScreen(form, application)) {
            ShowWindow(window, SW_HIDE);
        } else {
            ShowWindow(window, SW_SHOW);
            if (form.frontRequests() != fronted) SetForegroundWindow(window);
        }
        fronted = form.frontRequests();
    });
}

HWND Builder::container(Control& control, GroupBox* frame) {
    const RECT r = placeOf(control, view_.dpiOf(parent_));
    auto& data = *view_.containers.emplace_back(
        std::make_unique<Container>(&view_, &control, nullptr, frame));
    HWND window = made(CreateWindowExW(WS_EX_CONTROLPARENT, kContainerClass, L"",
                                       WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, r.left, r.top,
                                       r.right - r.left, r.bottom - r.top, parent_, nullptr,
                                       GetModuleHandleW(nullptr), &data),
                       "CreateWindowExW");
    view_.windows[&control] = window;
    children(control, window);
    return window;
}

void Builder::visit(Panel& panel) {
    HWND window = container(panel, nullptr);
    view_.following.follow(panel, [window, &panel](const Change&) { applyState(window, panel); });
}

void Builder::visit(GroupBox& group) {
    HWND window = container(group, &group);
    // It paints its caption itself; as its window text it is what a screen reader reads.
    view_.following.follow(group, [window, &group](const Change&) {
        SetWindowTextW(window, wide(group.caption()).c_str());
        InvalidateRect(window, nullptr, TRUE);
        applyState(window, group);
    });
}

void Builder::visit(Shape& shape) {
    HWND window = child(shape, L"STATIC", SS_BLACKRECT);
    bind(window, shape);
    view_.following.follow(shape, [window, &shape](const Change&) { applyState(window, shape); });
}

HWND Builder::captionedButton(Control& control, DWORD style, std::function<void()> click,
                              std::function<bool()> mark, std::function<void()> synced) {
    HWND window = child(control, L"BUTTON", style);
    Binding& binding = bind(window, control);
    binding.command = [view = &view_, click = std::move(click)](int code) {
        if (code == BN_CLICKED) view->perform(click);
    };
    ViewParts& view = view_;
    view_.following.follow(control, [window, &control, &view, mark = std::move(mark),
                                     synced = std::move(synced)](const Change&) {
        SetWindowTextW(window, wide(control.caption()).c_str());
        SendMessageW(window, WM_SETFONT,
                     reinterpret_cast<WPARAM>(view.gdi.font(control.font(), view.dpiOf(window))),
                     TRUE);
        if (mark) SendMessageW(window, BM_SETCHECK, mark() ? BST_CHECKED : BST_UNCHECKED, 0);
        applyState(window, control);
        if (synced) synced();
    });
    return window;
}

void Builder::visit(CheckBox& box) {
    // Not an automatic check box: the mark shows the model's state, set by its observer.
    captionedButton(
        box, BS_CHECKBOX | WS_TABSTOP, [&box] { box.click(); }, [&box] { return box.checked(); });
}

void Builder::visit(RadioButton& radio) {
    // Automatic, so that the arrow keys choose as they move through the group (the dialog
    // manager clicks only automatic radio buttons); the model's state is set back all the same.
    // An automatic radio button is checked before it tells of a click, Space or arrow, but
    // Windows also tells BN_CLICKED when the keyboard's focus merely arrives on an unchecked
    // one (https://learn.microsoft.com/windows/win32/controls/bm-setdontclick): that would
    // choose a preset when the dialog opens, so only a checked one chooses.
    const ViewParts& view = view_;
    captionedButton(
        radio, BS_AUTORADIOBUTTON,
        [&radio, &view] {
            if (SendMessageW(view.windows.at(&radio), BM_GETCHECK, 0, 0) == BST_CHECKED)
                radio.click();
        },
        [&radio] { return radio.checked(); },
        [view = &view_, &radio] { updateRadioTabStops(*view, radio); });
}

void Builder::visit(Button& button) {
    captionedButton(button, BS_PUSHBUTTON | WS_TABSTOP, [&button] { button.click(); });
}

void Builder::visit(SpeedButton& button) {
    // A window class of its own: no frame until the pointer is over it.
    HWND window = child(button, kFlatButtonClass, WS_TABSTOP);
    Binding& binding = bind(window, button);
    binding.command = [view = &view_, &button](int) {
        view->perform([&button] { button.click(); });
    };
    // It paints its caption itself; as its window text, with the & convention of every button,
    // it is what a screen reader reads.
    view_.following.follow(button, [window, &button](const Change&) {
        SetWindowTextW(window, wide(button.caption()).c_str());
        applyState(window, button);
        InvalidateRect(window, nullptr, TRUE);
    });
}

void Builder::visit(TrackBar& track) {
    // A thumb of a fixed, shorter length leaves room for the tick marks below it in a slider
    // 25 pixels high (https://learn.microsoft.com/windows/win32/controls/tbm-setthumblength).
    HWND window = child(track, TRACKBAR_CLASSW,
                        WS_TABSTOP | TBS_HORZ | TBS_AUTOTICKS | TBS_BOTTOM | TBS_FIXEDLENGTH);
    Binding& binding = bind(window, track);
    binding.rescale = [window](int dpi) {
        SendMessageW(window, TBM_SETTHUMBLENGTH, static_cast<WPARAM>(scaledTo(kThumbLength, dpi)),
                     0);
    };
    binding.rescale(view_.dpiOf(window));
    SendMessageW(window, TBM_SETRANGEMIN, FALSE, track.min());
    SendMessageW(window, TBM_SETRANGEMAX, FALSE, track.max());
    SendMessageW(window, TBM_SETTICFREQ, static_cast<WPARAM>(track.frequency()), 0);
    binding.scroll = [view = &view_, window, &track] {
        const int position = static_cast<int>(SendMessageW(window, TBM_GETPOS, 0, 0));
        view->perform([&track, position] { track.scroll(position); });
    };
    view_.following.follow(track, [window, &track](const Change&) {
        SendMessageW(window, TBM_SETPOS, TRUE, track.position());
        applyState(window, track);
    });
}

}  // namespace torvexa::win32
