#include "view/win32/Win32View.h"

#include "forms/Program.h"

// Windows' headers after the program's, so that their macros reach none of its headers.
#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>

#include <algorithm>
#include <map>

#include "platform/win32/WideText.h"

namespace torvexa::win32 {
namespace {

using win32text::ansi;
using win32text::wide;

constexpr wchar_t kContainerClass[] = L"TorvexaContainer";
constexpr wchar_t kFlatButtonClass[] = L"TorvexaFlatButton";
constexpr UINT kFirstMenuId = 100;  // above IDOK and IDCANCEL, which the dialog keys send
constexpr int kDropDownList = 200;  // how far a drop-down's list reaches below it

COLORREF toColorRef(Colour colour) {
    switch (colour) {
        case Colour::ButtonFace:
            return GetSysColor(COLOR_BTNFACE);
        case Colour::WindowText:
            return GetSysColor(COLOR_WINDOWTEXT);
        case Colour::Window:
            return GetSysColor(COLOR_WINDOW);
        case Colour::SkyBlue:
            return RGB(166, 202, 240);
        case Colour::MoneyGreen:
            return RGB(192, 220, 192);
        case Colour::Navy:
            return RGB(0, 0, 128);
    }
    return 0;
}

// The colour a control shows behind it: its own, else the nearest parent's.
Colour backgroundOf(const Control& control) {
    for (const Control* c = &control; c; c = c->parent()) {
        if (c->look().colour) return *c->look().colour;
    }
    return Colour::ButtonFace;
}

std::string windowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return ansi(text);
}

void applyState(HWND window, const Control& control) {
    ShowWindow(window, control.visible() ? SW_SHOWNA : SW_HIDE);
    EnableWindow(window, control.enabled());
}

}  // namespace

// What a container window (a form or a panel) knows of itself.
struct Win32View::Container {
    Win32View* view;
    Control* control;
    Form* form = nullptr;       // for a window of its own
    GroupBox* frame = nullptr;  // for a group box: an etched frame with its caption
};

// Fonts and brushes, made once each, and the screen's scale (layouts are at 96 dpi).
class Win32View::Resources {
  public:
    Resources() {
        HDC screen = GetDC(nullptr);
        dpi_ = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
    }
    ~Resources() {
        for (auto& [key, font] : fonts_)
            DeleteObject(font);
        for (auto& [colour, brush] : brushes_)
            DeleteObject(brush);
    }
    Resources(const Resources&) = delete;
    Resources& operator=(const Resources&) = delete;

    int scale(int pixels) const { return MulDiv(pixels, dpi_, 96); }

    HFONT font(const Font& font) {
        const auto key =
            std::make_tuple(font.face, font.height, font.bold, font.italic, font.underline);
        auto& made = fonts_[key];
        if (!made) {
            made =
                CreateFontW(-scale(font.height), 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL,
                            font.italic, font.underline, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                            CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                            font.face == Typeface::Arial ? L"Arial" : L"MS Sans Serif");
        }
        return made;
    }

    HBRUSH brush(Colour colour) {
        auto& made = brushes_[colour];
        if (!made) made = CreateSolidBrush(toColorRef(colour));
        return made;
    }

  private:
    int dpi_ = 96;
    std::map<std::tuple<Typeface, int, bool, bool, bool>, HFONT> fonts_;
    std::map<Colour, HBRUSH> brushes_;
};

namespace {

Win32View::Binding* bindingOf(HWND child) {
    return child ? reinterpret_cast<Win32View::Binding*>(GetWindowLongPtrW(child, GWLP_USERDATA))
                 : nullptr;
}

}  // namespace

// Builds one native control per control, each kind in its own member.
class Win32View::Builder : public ControlVisitor {
  public:
    explicit Builder(Win32View& view) : view_(view) {}

    void visit(Form& form) override;
    void visit(Panel& panel) override;
    void visit(GroupBox& group) override;
    void visit(Label& label) override;
    void visit(Shape& shape) override;
    void visit(CheckBox& box) override;
    void visit(RadioButton& radio) override;
    void visit(Button& button) override;
    void visit(SpeedButton& button) override;
    void visit(Edit& edit) override;
    void visit(UpDown& updown) override;
    void visit(ComboBox& combo) override;
    void visit(TrackBar& track) override;
    void visit(ListBox& list) override;
    void visit(MainMenu& menu) override;
    void visit(MenuItem& item) override;

    static LRESULT CALLBACK containerProc(HWND window, UINT message, WPARAM w, LPARAM l);
    static LRESULT CALLBACK flatButtonProc(HWND window, UINT message, WPARAM w, LPARAM l);
    static void paintFrame(HWND window, const GroupBox& group, Resources& r);

  private:
    // A native child control at the control's place, bound to it.
    HWND child(Control& control, const wchar_t* kind, DWORD style, DWORD exStyle = 0,
               int extraHeight = 0);
    Binding& bind(HWND window, Control& control);
    void children(Control& parent, HWND container);
    // A window of the container class for a panel or a group box, with its controls inside.
    HWND container(Control& control, GroupBox* frame);
    // A BUTTON window with the control's caption; `mark` shows a check box's or radio
    // button's state.
    HWND captionedButton(Control& control, DWORD style, std::function<void()> click,
                         std::function<bool()> mark = {});
    HMENU buildMenu(MainMenu& menu);
    static void paintFlatButton(HWND window, HDC dc, const Binding& binding);

    Win32View& view_;
    HWND parent_ = nullptr;
    HMENU menu_ = nullptr;
};

void Win32View::Builder::children(Control& parent, HWND container) {
    const HWND saved = parent_;
    parent_ = container;
    for (Control* control : parent.children())
        control->accept(*this);
    parent_ = saved;
}

Win32View::Binding& Win32View::Builder::bind(HWND window, Control& control) {
    auto& binding = *view_.bindings_.emplace_back(std::make_unique<Binding>());
    binding.control = &control;
    binding.view = &view_;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&binding));
    view_.windows_[&control] = window;
    return binding;
}

HWND Win32View::Builder::child(Control& control, const wchar_t* kind, DWORD style, DWORD exStyle,
                               int extraHeight) {
    Resources& r = *view_.resources_;
    const Rect& b = control.bounds();
    HWND window = CreateWindowExW(exStyle, kind, L"", WS_CHILD | style, r.scale(b.left),
                                  r.scale(b.top), r.scale(b.width), r.scale(b.height + extraHeight),
                                  parent_, nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(r.font(control.font())), FALSE);
    return window;
}

void Win32View::Builder::visit(Form& form) {
    Resources& r = *view_.resources_;
    const bool closeButton = form.titleButtons() == Form::TitleButtons::SystemMenuAndClose;
    const DWORD style =
        WS_OVERLAPPED | WS_CAPTION | WS_CLIPCHILDREN | (closeButton ? WS_SYSMENU : 0);
    const DWORD exStyle = WS_EX_CONTROLPARENT;
    menu_ = form.mainMenu() ? buildMenu(*form.mainMenu()) : nullptr;
    const Rect& b = form.bounds();
    RECT frame{0, 0, r.scale(b.width), r.scale(b.height)};
    AdjustWindowRectEx(&frame, style, menu_ != nullptr, exStyle);

    auto& container = *view_.containers_.emplace_back(
        std::make_unique<Container>(Container{&view_, &form, &form}));
    HWND window =
        CreateWindowExW(exStyle, kContainerClass, L"", style, r.scale(b.left), r.scale(b.top),
                        frame.right - frame.left, frame.bottom - frame.top, nullptr, menu_,
                        GetModuleHandleW(nullptr), &container);
    view_.windows_[&form] = window;
    view_.topLevel_.push_back(window);
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(r.font(form.font())), FALSE);
    children(form, window);

    Program& program = view_.program_;
    int fronted = form.frontRequests();
    view_.follow(form, [window, &form, &program, fronted](const Change&) mutable {
        SetWindowTextW(window, wide(form.caption()).c_str());
        if (!form.visible()) {
            ShowWindow(window, SW_HIDE);
        } else if (!program.application().terminated()) {
            ShowWindow(window, SW_SHOW);
            if (form.frontRequests() != fronted) SetForegroundWindow(window);
        }
        fronted = form.frontRequests();
    });
}

HWND Win32View::Builder::container(Control& control, GroupBox* frame) {
    Resources& r = *view_.resources_;
    const Rect& b = control.bounds();
    auto& data = *view_.containers_.emplace_back(
        std::make_unique<Container>(Container{&view_, &control, nullptr, frame}));
    HWND window = CreateWindowExW(WS_EX_CONTROLPARENT, kContainerClass, L"",
                                  WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, r.scale(b.left),
                                  r.scale(b.top), r.scale(b.width), r.scale(b.height), parent_,
                                  nullptr, GetModuleHandleW(nullptr), &data);
    view_.windows_[&control] = window;
    children(control, window);
    return window;
}

void Win32View::Builder::visit(Panel& panel) {
    HWND window = container(panel, nullptr);
    view_.follow(panel, [window, &panel](const Change&) { applyState(window, panel); });
}

void Win32View::Builder::visit(GroupBox& group) {
    HWND window = container(group, &group);
    view_.follow(group, [window, &group](const Change&) {
        InvalidateRect(window, nullptr, TRUE);
        applyState(window, group);
    });
}

void Win32View::Builder::visit(Label& label) {
    const Look& look = label.look();
    const DWORD align = look.align == Align::Centre ? SS_CENTER
                        : look.wordWrap             ? SS_LEFT
                                                    : SS_LEFTNOWORDWRAP;
    HWND window = child(label, L"STATIC", align);
    bind(window, label);
    Resources& r = *view_.resources_;
    const HFONT font = r.font(label.font());
    const int width = r.scale(label.bounds().width);
    view_.follow(label, [window, &label, font, width](const Change&) {
        const std::wstring text = wide(label.caption());
        SetWindowTextW(window, text.c_str());
        if (!label.look().fixedSize) {  // grows with its caption, as a label does
            HDC dc = GetDC(window);
            const HGDIOBJ old = SelectObject(dc, font);
            SIZE size{};
            GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
            SelectObject(dc, old);
            ReleaseDC(window, dc);
            RECT now{};
            GetClientRect(window, &now);
            SetWindowPos(window, nullptr, 0, 0, std::max<int>(width, size.cx), now.bottom,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        applyState(window, label);
    });
}

void Win32View::Builder::visit(Shape& shape) {
    HWND window = child(shape, L"STATIC", SS_BLACKRECT);
    bind(window, shape);
    view_.follow(shape, [window, &shape](const Change&) { applyState(window, shape); });
}

HWND Win32View::Builder::captionedButton(Control& control, DWORD style, std::function<void()> click,
                                         std::function<bool()> mark) {
    HWND window = child(control, L"BUTTON", style | WS_TABSTOP);
    Binding& binding = bind(window, control);
    binding.command = [view = &view_, click = std::move(click)](int code) {
        if (code == BN_CLICKED) view->perform(click);
    };
    Resources& r = *view_.resources_;
    view_.follow(control, [window, &control, &r, mark = std::move(mark)](const Change&) {
        SetWindowTextW(window, wide(control.caption()).c_str());
        SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(r.font(control.font())), TRUE);
        if (mark) SendMessageW(window, BM_SETCHECK, mark() ? BST_CHECKED : BST_UNCHECKED, 0);
        applyState(window, control);
    });
    return window;
}

void Win32View::Builder::visit(CheckBox& box) {
    // Not an automatic check box: the mark shows the model's state, set by its observer.
    captionedButton(
        box, BS_CHECKBOX, [&box] { box.click(); }, [&box] { return box.checked(); });
}

void Win32View::Builder::visit(RadioButton& radio) {
    captionedButton(
        radio, BS_RADIOBUTTON, [&radio] { radio.click(); }, [&radio] { return radio.checked(); });
}

void Win32View::Builder::visit(Button& button) {
    captionedButton(button, BS_PUSHBUTTON, [&button] { button.click(); });
}

void Win32View::Builder::visit(SpeedButton& button) {
    // A window class of its own: no frame until the pointer is over it, never the focus.
    HWND window = child(button, kFlatButtonClass, 0);
    Binding& binding = bind(window, button);
    binding.command = [view = &view_, &button](int) {
        view->perform([&button] { button.click(); });
    };
    view_.follow(button, [window, &button](const Change&) {
        applyState(window, button);
        InvalidateRect(window, nullptr, TRUE);
    });
}

LRESULT CALLBACK Win32View::Builder::flatButtonProc(HWND window, UINT message, WPARAM w, LPARAM l) {
    Binding* binding = bindingOf(window);
    if (!binding) return DefWindowProcW(window, message, w, l);
    switch (message) {
        case WM_MOUSEMOVE:
            if (!binding->hovered) {  // the frame follows the pointer
                binding->hovered = true;
                TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, window, 0};
                TrackMouseEvent(&track);
                InvalidateRect(window, nullptr, TRUE);
            }
            return 0;
        case WM_MOUSELEAVE:
            binding->hovered = false;
            InvalidateRect(window, nullptr, TRUE);
            return 0;
        case WM_LBUTTONDOWN:
            SetCapture(window);
            binding->pressed = true;
            InvalidateRect(window, nullptr, TRUE);
            return 0;
        case WM_LBUTTONUP: {
            const bool wasPressed = binding->pressed;
            binding->pressed = false;
            ReleaseCapture();
            RECT area{};
            GetClientRect(window, &area);
            const POINT at{static_cast<short>(LOWORD(l)), static_cast<short>(HIWORD(l))};
            InvalidateRect(window, nullptr, TRUE);
            if (wasPressed && PtInRect(&area, at) && binding->command) binding->command(BN_CLICKED);
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(window, &paint);
            paintFlatButton(window, dc, *binding);
            EndPaint(window, &paint);
            return 0;
        }
        default:
            return DefWindowProcW(window, message, w, l);
    }
}

void Win32View::Builder::paintFlatButton(HWND window, HDC dc, const Binding& binding) {
    const Control& button = *binding.control;
    Resources& r = *binding.view->resources_;
    RECT area{};
    GetClientRect(window, &area);
    FillRect(dc, &area, r.brush(backgroundOf(button)));
    const bool enabled = IsWindowEnabled(window);
    if (binding.pressed && binding.hovered)
        DrawEdge(dc, &area, BDR_SUNKENOUTER, BF_RECT);
    else if (binding.hovered && enabled)
        DrawEdge(dc, &area, BDR_RAISEDINNER, BF_RECT);
    // Disabled: only its greyed caption on the colour behind it.
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    const HGDIOBJ old = SelectObject(dc, r.font(button.font()));
    const std::wstring text = wide(button.caption());
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SelectObject(dc, old);
}

void Win32View::Builder::visit(Edit& edit) {
    const bool multi = edit.lines() == Edit::Lines::Multi;
    const DWORD style =
        WS_TABSTOP | (multi ? ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN : ES_AUTOHSCROLL);
    HWND window = child(edit, L"EDIT", style, multi ? WS_EX_STATICEDGE : WS_EX_CLIENTEDGE);
    Binding& binding = bind(window, edit);
    binding.command = [view = &view_, window, &edit](int code) {
        if (code != EN_CHANGE) return;
        const std::string typed = windowText(window);
        if (typed != edit.text()) view->perform([&edit, typed] { edit.type(typed); });
    };
    view_.follow(edit, [window, &edit](const Change&) {
        if (windowText(window) != edit.text()) SetWindowTextW(window, wide(edit.text()).c_str());
        applyState(window, edit);
    });
}

void Win32View::Builder::visit(UpDown& updown) {
    HWND window = child(updown, UPDOWN_CLASSW, UDS_ARROWKEYS);
    SendMessageW(window, UDM_SETRANGE32, static_cast<WPARAM>(updown.min()), updown.max());
    Binding& binding = bind(window, updown);
    binding.upDown = [view = &view_, &updown](int delta) {
        view->perform([&updown, delta] { delta > 0 ? updown.up() : updown.down(); });
        return true;  // the model moves it, not the control itself
    };
    view_.follow(updown, [window, &updown](const Change&) { applyState(window, updown); });
}

void Win32View::Builder::visit(ComboBox& combo) {
    const bool editable = combo.style() == ComboBox::Style::Editable;
    HWND window = child(
        combo, L"COMBOBOX",
        WS_TABSTOP | WS_VSCROLL | (editable ? CBS_DROPDOWN | CBS_AUTOHSCROLL : CBS_DROPDOWNLIST), 0,
        kDropDownList);
    Binding& binding = bind(window, combo);
    binding.command = [view = &view_, window, &combo](int code) {
        const bool dropped = SendMessageW(window, CB_GETDROPPEDSTATE, 0, 0);
        // A pick from the open list (also of the item shown), or with the keys while closed.
        if (code == CBN_SELENDOK || (code == CBN_SELCHANGE && !dropped)) {
            const int item = static_cast<int>(SendMessageW(window, CB_GETCURSEL, 0, 0));
            view->perform([&combo, item] { combo.pick(item); });
        } else if (code == CBN_EDITCHANGE) {
            const std::string typed = windowText(window);
            view->perform([&combo, typed] { combo.type(typed); });
        }
    };
    auto shown = std::make_shared<std::vector<std::string>>();
    view_.follow(combo, [window, &combo, shown, editable](const Change&) {
        if (*shown != combo.items()) {
            *shown = combo.items();
            SendMessageW(window, CB_RESETCONTENT, 0, 0);
            for (const std::string& item : combo.items())
                SendMessageW(window, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(item).c_str()));
        }
        SendMessageW(window, CB_SETCURSEL, static_cast<WPARAM>(combo.itemIndex()), 0);
        if (editable && windowText(window) != combo.text())
            SetWindowTextW(window, wide(combo.text()).c_str());
        applyState(window, combo);
    });
}

void Win32View::Builder::visit(TrackBar& track) {
    HWND window = child(track, TRACKBAR_CLASSW, WS_TABSTOP | TBS_HORZ | TBS_AUTOTICKS | TBS_BOTTOM);
    SendMessageW(window, TBM_SETRANGEMIN, FALSE, track.min());
    SendMessageW(window, TBM_SETRANGEMAX, FALSE, track.max());
    SendMessageW(window, TBM_SETTICFREQ, static_cast<WPARAM>(track.frequency()), 0);
    Binding& binding = bind(window, track);
    binding.scroll = [view = &view_, window, &track] {
        const int position = static_cast<int>(SendMessageW(window, TBM_GETPOS, 0, 0));
        view->perform([&track, position] { track.scroll(position); });
    };
    view_.follow(track, [window, &track](const Change&) {
        SendMessageW(window, TBM_SETPOS, TRUE, track.position());
        applyState(window, track);
    });
}

void Win32View::Builder::visit(ListBox& list) {
    const DWORD frame = list.look().frame == Frame::Flat ? WS_BORDER : 0;
    HWND window =
        child(list, L"LISTBOX", WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | frame,
              list.look().frame == Frame::Flat ? 0 : WS_EX_CLIENTEDGE);
    SendMessageW(window, LB_SETITEMHEIGHT, 0, view_.resources_->scale(ListBox::kRowHeight));
    Binding& binding = bind(window, list);
    binding.command = [view = &view_, window, &list](int code) {
        if (code != LBN_SELCHANGE) return;
        const int top = static_cast<int>(SendMessageW(window, LB_GETTOPINDEX, 0, 0));
        const int row = static_cast<int>(SendMessageW(window, LB_GETCURSEL, 0, 0));
        view->perform([&list, top, row] {
            list.scrollTo(top);
            list.select(row);
        });
    };
    view_.follow(list, [window, &list](const Change& change) {
        const Rows& rows = list.items();
        if (change.what == Change::What::Rows) {
            SendMessageW(window, WM_SETREDRAW, FALSE, 0);
            SendMessageW(window, LB_RESETCONTENT, 0, 0);
            for (std::size_t i = 0; i < rows.size(); ++i)
                SendMessageW(window, LB_ADDSTRING, 0,
                             reinterpret_cast<LPARAM>(wide(rows[i]).c_str()));
            SendMessageW(window, WM_SETREDRAW, TRUE, 0);
            InvalidateRect(window, nullptr, TRUE);
        } else if (change.what == Change::What::Row) {
            const auto row = static_cast<WPARAM>(change.row);
            SendMessageW(window, LB_DELETESTRING, row, 0);
            SendMessageW(window, LB_INSERTSTRING, row,
                         reinterpret_cast<LPARAM>(wide(rows[row]).c_str()));
        }
        SendMessageW(window, LB_SETTOPINDEX, static_cast<WPARAM>(std::max(0, list.topIndex())), 0);
        SendMessageW(window, LB_SETCURSEL, static_cast<WPARAM>(list.itemIndex()), 0);
        applyState(window, list);
    });
}

void Win32View::Builder::visit(MainMenu&) {}  // built with its window

HMENU Win32View::Builder::buildMenu(MainMenu& menu) {
    HMENU bar = CreateMenu();
    menu_ = bar;
    for (Control* title : menu.children())
        title->accept(*this);
    return bar;
}

void Win32View::Builder::visit(MenuItem& item) {
    const HMENU into = menu_;
    const UINT position = static_cast<UINT>(GetMenuItemCount(into));
    UINT_PTR id = 0;
    UINT flags = MF_STRING;
    if (!item.children().empty()) {  // a title and its items
        HMENU popup = CreatePopupMenu();
        menu_ = popup;
        for (Control* child : item.children())
            child->accept(*this);
        menu_ = into;
        id = reinterpret_cast<UINT_PTR>(popup);
        flags |= MF_POPUP;
    } else {
        id = kFirstMenuId + view_.menuCommands_.size();
        view_.menuCommands_.push_back(
            [view = &view_, &item] { view->perform([&item] { item.click(); }); });
    }
    AppendMenuW(into, flags, id, wide(item.caption()).c_str());
    // Caption and state change in place: ModifyMenuW would destroy the submenu of a title
    // (https://learn.microsoft.com/windows/win32/api/winuser/nf-winuser-modifymenuw), so
    // SetMenuItemInfoW changes only the text and the state
    // (https://learn.microsoft.com/windows/win32/api/winuser/nf-winuser-setmenuiteminfow).
    view_.follow(item, [into, position, &item, view = &view_](const Change&) {
        std::wstring caption = wide(item.caption());
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_STRING | MIIM_STATE;
        info.fState = item.enabled() ? MFS_ENABLED : MFS_DISABLED;
        info.dwTypeData = caption.data();
        if (!SetMenuItemInfoW(into, position, TRUE, &info)) return;
        for (void* window : view->topLevel_)
            DrawMenuBar(static_cast<HWND>(window));
    });
}

void Win32View::Builder::paintFrame(HWND window, const GroupBox& group, Resources& r) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    const HGDIOBJ old = SelectObject(dc, r.font(group.font()));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    RECT frame{};
    GetClientRect(window, &frame);
    frame.top += metrics.tmHeight / 2;
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    const std::wstring caption = wide(group.caption());
    if (!caption.empty()) {
        SetBkColor(dc, toColorRef(backgroundOf(group)));
        SetTextColor(dc, toColorRef(group.look().textColour));
        RECT text{r.scale(8), 0, frame.right, metrics.tmHeight};
        DrawTextW(dc, (L" " + caption + L" ").c_str(), -1, &text, DT_LEFT | DT_SINGLELINE);
    }
    SelectObject(dc, old);
    EndPaint(window, &paint);
}

LRESULT CALLBACK Win32View::Builder::containerProc(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<CREATESTRUCTW*>(l);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<Container*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self) return DefWindowProcW(window, message, w, l);
    Resources& r = *self->view->resources_;

    switch (message) {
        case WM_COMMAND: {
            if (Binding* binding = bindingOf(reinterpret_cast<HWND>(l))) {
                if (binding->command) binding->command(HIWORD(w));
            } else if (l == 0 && LOWORD(w) >= kFirstMenuId) {
                const std::size_t command = LOWORD(w) - kFirstMenuId;
                if (command < self->view->menuCommands_.size())
                    self->view->menuCommands_[command]();
            }
            return 0;  // Enter and Esc (IDOK, IDCANCEL) close nothing
        }
        case WM_HSCROLL:
            if (Binding* binding = bindingOf(reinterpret_cast<HWND>(l)); binding && binding->scroll)
                binding->scroll();
            return 0;
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<NMHDR*>(l);
            Binding* binding = bindingOf(header->hwndFrom);
            if (header->code == UDN_DELTAPOS && binding && binding->upDown)
                return binding->upDown(reinterpret_cast<NMUPDOWN*>(l)->iDelta) ? TRUE : FALSE;
            break;
        }
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX: {
            const Binding* binding = bindingOf(reinterpret_cast<HWND>(l));
            if (!binding) break;
            const Control& control = *binding->control;
            const auto dc = reinterpret_cast<HDC>(w);
            SetTextColor(dc, toColorRef(control.look().textColour));
            const Colour back =
                message == WM_CTLCOLORLISTBOX ? Colour::Window : backgroundOf(control);
            SetBkColor(dc, toColorRef(back));
            if (message == WM_CTLCOLORSTATIC || message == WM_CTLCOLORBTN)
                SetBkMode(dc, TRANSPARENT);
            return reinterpret_cast<LRESULT>(r.brush(back));
        }
        case WM_ERASEBKGND: {
            RECT area{};
            GetClientRect(window, &area);
            FillRect(reinterpret_cast<HDC>(w), &area, r.brush(backgroundOf(*self->control)));
            return 1;
        }
        case WM_PAINT:
            if (self->frame) {
                paintFrame(window, *self->frame, r);
                return 0;
            }
            break;
        case WM_CLOSE:
            if (Form* form = self->form) self->view->perform([form] { form->closeRequest(); });
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window, message, w, l);
}

Win32View::Win32View(Program& program)
    : program_(program), resources_(std::make_unique<Resources>()) {
    INITCOMMONCONTROLSEX controls{sizeof controls,
                                  ICC_BAR_CLASSES | ICC_UPDOWN_CLASS | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSEXW container{};
    container.cbSize = sizeof container;
    container.lpfnWndProc = Builder::containerProc;
    container.hInstance = GetModuleHandleW(nullptr);
    container.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    container.hIcon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
    container.lpszClassName = kContainerClass;
    RegisterClassExW(&container);
    WNDCLASSEXW flat = container;
    flat.lpfnWndProc = Builder::flatButtonProc;
    flat.hIcon = nullptr;
    flat.lpszClassName = kFlatButtonClass;
    RegisterClassExW(&flat);

    for (Form* form : {static_cast<Form*>(&program.form1()), static_cast<Form*>(&program.form2()),
                       static_cast<Form*>(&program.form3())}) {
        Builder builder(*this);
        form->accept(builder);
    }
    program.application().setObserver([this] {
        for (void* window : topLevel_)
            ShowWindow(static_cast<HWND>(window), SW_HIDE);
        PostQuitMessage(0);
    });
}

Win32View::~Win32View() {
    program_.application().setObserver({});
    for (Control* control : followed_)
        control->setObserver({});
    for (void* window : topLevel_)
        DestroyWindow(static_cast<HWND>(window));
}

int Win32View::run() {
    if (program_.application().terminated()) return 0;
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        // Tab moves between controls; Esc and Enter are only keys.
        HWND top = GetAncestor(message.hwnd, GA_ROOT);
        if (top && IsDialogMessageW(top, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}

void* Win32View::windowOf(const Control& control) const {
    const auto it = windows_.find(&control);
    return it == windows_.end() ? nullptr : it->second;
}

void Win32View::perform(const std::function<void()>& action) {
    program_.application().perform(action);
}

void Win32View::follow(Control& control, Observer sync) {
    sync({.what = Change::What::Rows});
    control.setObserver(std::move(sync));
    followed_.push_back(&control);
}

}  // namespace torvexa::win32
