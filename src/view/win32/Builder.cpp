// Builds one native control per model control, each kind in its own member, and keeps it up to
// date through the control's observer.

#include <algorithm>
#include <optional>

#include "platform/win32/WideText.h"
#include "ui/PathLines.h"
#include "view/win32/DropDownPicks.h"
#include "view/win32/ViewState.h"

namespace torvexa::win32 {
namespace {

using win32text::wide;

// A person scrolled a list (bar, wheel or keys): its top row goes to the model, whose other
// lists follow it. A list box sends no notice of scrolling, so its messages are watched.
LRESULT CALLBACK scrolledList(HWND window, UINT message, WPARAM w, LPARAM l, UINT_PTR,
                              DWORD_PTR data) {
    const LRESULT result = DefSubclassProc(window, message, w, l);
    if (message == WM_VSCROLL || message == WM_MOUSEWHEEL || message == WM_KEYDOWN) {
        const Binding& binding = *reinterpret_cast<const Binding*>(data);
        auto& list = static_cast<ListBox&>(*binding.control);
        const int top = static_cast<int>(SendMessageW(window, LB_GETTOPINDEX, 0, 0));
        if (top != list.topIndex()) binding.view->perform([&list, top] { list.scrollTo(top); });
    }
    return result;
}

// A path of this machine on as many lines as the label's width needs.
std::wstring pathText(HWND window, HFONT font, const std::string& utf8, int width) {
    std::wstring text;
    for (const std::string& line : pathLines(utf8, width, [window, font](std::string_view part) {
             return textWidth(window, font, win32text::wideFromUtf8(part));
         })) {
        if (!text.empty()) text += L"\r\n";
        text += win32text::wideFromUtf8(line);
    }
    return text;
}

constexpr int kDropDownList = 200;  // how far a drop-down's list reaches below it
constexpr int kThumbLength = 14;    // a slider's thumb, at 96 dpi
// Asks child() not to start a group: a bit no window style uses for child controls.
constexpr DWORD kNoGroup = WS_MAXIMIZEBOX;

// A LISTBOX as showList drives it.
struct NativeList {
    HWND window;
    void replaceAll(const Rows& rows) {
        SendMessageW(window, WM_SETREDRAW, FALSE, 0);
        SendMessageW(window, LB_RESETCONTENT, 0, 0);
        for (std::size_t i = 0; i < rows.size(); ++i)
            rowAdded(SendMessageW(window, LB_ADDSTRING, 0,
                                  reinterpret_cast<LPARAM>(wide(rows[i]).c_str())));
        SendMessageW(window, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(window, nullptr, TRUE);
    }
    void replaceRow(int row, const std::string& text) {
        SendMessageW(window, LB_DELETESTRING, static_cast<WPARAM>(row), 0);
        rowAdded(SendMessageW(window, LB_INSERTSTRING, static_cast<WPARAM>(row),
                              reinterpret_cast<LPARAM>(wide(text).c_str())));
    }
    void scrollTo(int topRow) {
        SendMessageW(window, LB_SETTOPINDEX, static_cast<WPARAM>(std::max(0, topRow)), 0);
    }
    void select(int row) { SendMessageW(window, LB_SETCURSEL, static_cast<WPARAM>(row), 0); }
};

void applyState(HWND window, const Control& control) {
    ShowWindow(window, control.visible() ? SW_SHOWNA : SW_HIDE);
    EnableWindow(window, control.enabled());
}

class Builder : public ControlVisitor {
  public:
    explicit Builder(ViewState& view) : view_(view) {}

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
                         std::function<bool()> mark = {}, std::function<void()> synced = {});
    HMENU buildMenu(MainMenu& menu);

    ViewState& view_;
    HWND parent_ = nullptr;
    HMENU menu_ = nullptr;
};

}  // namespace

void Builder::children(Control& parent, HWND container) {
    const HWND saved = parent_;
    parent_ = container;
    for (Control* control : parent.tabOrder())  // the keyboard visits them in this order
        control->accept(*this);
    parent_ = saved;
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
    GdiObjects& r = view_.gdi;
    const Rect& b = control.bounds();
    HWND window =
        made(CreateWindowExW(exStyle, kind, L"", WS_CHILD | style, r.scale(b.left), r.scale(b.top),
                             r.scale(b.width), r.scale(b.height + extraHeight), parent_, nullptr,
                             GetModuleHandleW(nullptr), nullptr),
             "CreateWindowExW");
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(r.font(control.font())), FALSE);
    return window;
}

void Builder::visit(Form& form) {
    GdiObjects& r = view_.gdi;
    const bool closeButton = form.titleButtons() == Form::TitleButtons::SystemMenuAndClose;
    const DWORD style =
        WS_OVERLAPPED | WS_CAPTION | WS_CLIPCHILDREN | (closeButton ? WS_SYSMENU : 0);
    const DWORD exStyle = WS_EX_CONTROLPARENT;
    menu_ = form.mainMenu() ? buildMenu(*form.mainMenu()) : nullptr;
    const Rect& b = form.bounds();
    RECT frame{0, 0, r.scale(b.width), r.scale(b.height)};
    AdjustWindowRectEx(&frame, style, menu_ != nullptr, exStyle);

    auto& container =
        *view_.containers.emplace_back(std::make_unique<Container>(&view_, &form, &form, nullptr));
    HWND window =
        made(CreateWindowExW(exStyle, kContainerClass, L"", style, r.scale(b.left), r.scale(b.top),
                             frame.right - frame.left, frame.bottom - frame.top, nullptr, menu_,
                             GetModuleHandleW(nullptr), &container),
             "CreateWindowExW");
    view_.windows[&form] = window;
    view_.topLevel.push_back(window);
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(r.font(form.font())), FALSE);
    children(form, window);

    Program& program = view_.program;
    int fronted = form.frontRequests();
    view_.following.follow(form, [window, &form, &program, fronted](const Change&) mutable {
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

HWND Builder::container(Control& control, GroupBox* frame) {
    GdiObjects& r = view_.gdi;
    const Rect& b = control.bounds();
    auto& data = *view_.containers.emplace_back(
        std::make_unique<Container>(&view_, &control, nullptr, frame));
    HWND window =
        made(CreateWindowExW(WS_EX_CONTROLPARENT, kContainerClass, L"",
                             WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, r.scale(b.left),
                             r.scale(b.top), r.scale(b.width), r.scale(b.height), parent_, nullptr,
                             GetModuleHandleW(nullptr), &data),
             "CreateWindowExW");
    view_.windows[&control] = window;
    children(control, window);
    return window;
}

void Builder::visit(Panel& panel) {
    HWND window = container(panel, nullptr);
    view_.following.follow(panel, [window, &panel](const Change&) {
        applyState(window, panel);
        keepFocusReachable(window);
    });
}

void Builder::visit(GroupBox& group) {
    HWND window = container(group, &group);
    view_.following.follow(group, [window, &group](const Change&) {
        InvalidateRect(window, nullptr, TRUE);
        applyState(window, group);
    });
}

void Builder::visit(Label& label) {
    const Look& look = label.look();
    const DWORD align = look.align == Align::Centre ? SS_CENTER
                        : look.wordWrap             ? SS_LEFT
                                                    : SS_LEFTNOWORDWRAP;
    HWND window = child(label, L"STATIC", align);
    Binding& binding = bind(window, label);
    if (label.font().underline)
        made(SetWindowSubclass(window, underlinedLabel, 0, reinterpret_cast<DWORD_PTR>(&binding)),
             "SetWindowSubclass");
    GdiObjects& gdi = view_.gdi;
    view_.following.follow(label, [window, &label, &gdi](const Change&) {
        if (label.look().path) {
            const std::wstring lines = pathText(window, gdi.font(label.font()), label.caption(),
                                                gdi.scale(label.bounds().width));
            SetWindowTextW(window, lines.c_str());
            applyState(window, label);
            return;
        }
        const std::wstring text = wide(label.caption());
        SetWindowTextW(window, text.c_str());
        const int width = shownWidth(label, textWidth(window, gdi.font(label.font()), text));
        RECT now{};
        GetClientRect(window, &now);
        SetWindowPos(window, nullptr, 0, 0, gdi.scale(width), now.bottom,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        applyState(window, label);
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
    GdiObjects& r = view_.gdi;
    view_.following.follow(control, [window, &control, &r, mark = std::move(mark),
                                     synced = std::move(synced)](const Change&) {
        SetWindowTextW(window, wide(control.caption()).c_str());
        SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(r.font(control.font())), TRUE);
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
    captionedButton(
        radio, BS_AUTORADIOBUTTON | (continuesGroup(radio) ? kNoGroup : 0),
        [&radio] { radio.click(); }, [&radio] { return radio.checked(); },
        [view = &view_, &radio] { updateRadioTabStops(*view, *radio.parent()); });
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
    view_.following.follow(button, [window, &button](const Change&) {
        applyState(window, button);
        InvalidateRect(window, nullptr, TRUE);
    });
}

void Builder::visit(Edit& edit) {
    const bool multi = edit.lines() == Edit::Lines::Multi;
    const DWORD style =
        WS_TABSTOP | (multi ? ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN : ES_AUTOHSCROLL);
    HWND window = child(edit, L"EDIT", style, multi ? WS_EX_STATICEDGE : WS_EX_CLIENTEDGE);
    if (multi) made(SetWindowSubclass(window, tabMovesOn, 0, 0), "SetWindowSubclass");
    Binding& binding = bind(window, edit);
    binding.command = [view = &view_, window, &edit](int code) {
        if (code != EN_CHANGE) return;
        const std::string typed = windowText(window);
        if (typed != edit.text()) view->perform([&edit, typed] { edit.type(typed); });
    };
    view_.following.follow(edit, [window, &edit](const Change&) {
        if (windowText(window) != edit.text()) SetWindowTextW(window, wide(edit.text()).c_str());
        applyState(window, edit);
    });
}

void Builder::visit(UpDown& updown) {
    HWND window = child(updown, UPDOWN_CLASSW, UDS_ARROWKEYS);
    SendMessageW(window, UDM_SETRANGE32, static_cast<WPARAM>(updown.min()), updown.max());
    Binding& binding = bind(window, updown);
    binding.upDown = [view = &view_, &updown](int delta) {
        view->perform([&updown, delta] { delta > 0 ? updown.up() : updown.down(); });
        return true;  // the model moves it, not the control itself
    };
    view_.following.follow(updown,
                           [window, &updown](const Change&) { applyState(window, updown); });
}

// The drop-down notifications that take part in a pick.
std::optional<DropDownPicks::Notice> noticeOf(int code) {
    switch (code) {
        case CBN_DROPDOWN:
            return DropDownPicks::Notice::DropDown;
        case CBN_SELCHANGE:
            return DropDownPicks::Notice::SelChange;
        case CBN_SELENDOK:
            return DropDownPicks::Notice::SelEndOk;
        case CBN_SELENDCANCEL:
            return DropDownPicks::Notice::SelEndCancel;
        case CBN_CLOSEUP:
            return DropDownPicks::Notice::CloseUp;
        default:
            return std::nullopt;
    }
}

void Builder::visit(ComboBox& combo) {
    const bool editable = combo.style() == ComboBox::Style::Editable;
    HWND window = child(
        combo, L"COMBOBOX",
        WS_TABSTOP | WS_VSCROLL | (editable ? CBS_DROPDOWN | CBS_AUTOHSCROLL : CBS_DROPDOWNLIST), 0,
        kDropDownList);
    Binding& binding = bind(window, combo);
    auto shownItems = std::make_shared<std::vector<std::string>>();
    // Brings the native drop-down to the model's items, selection and text.
    auto show = [window, &combo, shownItems, editable] {
        if (*shownItems != combo.items()) {
            *shownItems = combo.items();
            SendMessageW(window, CB_RESETCONTENT, 0, 0);
            for (const std::string& item : combo.items())
                rowAdded(SendMessageW(window, CB_ADDSTRING, 0,
                                      reinterpret_cast<LPARAM>(wide(item).c_str())));
        }
        const int selected = combo.itemIndex();
        if (SendMessageW(window, CB_GETCURSEL, 0, 0) != selected) {
            // Selecting rewrites an editable drop-down's text and its caret: a person typing
            // keeps both.
            COMBOBOXINFO parts{};
            parts.cbSize = sizeof parts;
            const bool hasEdit = editable && GetComboBoxInfo(window, &parts) && parts.hwndItem;
            const auto caret = hasEdit ? SendMessageW(parts.hwndItem, EM_GETSEL, 0, 0) : 0;
            const std::string before = windowText(window);
            SendMessageW(window, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
            if (editable && windowText(window) != before)
                SetWindowTextW(window, wide(before).c_str());
            if (hasEdit) SendMessageW(parts.hwndItem, EM_SETSEL, LOWORD(caret), HIWORD(caret));
        }
        if (editable && windowText(window) != combo.text())
            SetWindowTextW(window, wide(combo.text()).c_str());
    };
    binding.command = [view = &view_, window, &combo, show,
                       picks = DropDownPicks{}](int code) mutable {
        if (code == CBN_EDITCHANGE) {
            const std::string typed = windowText(window);
            view->perform([&combo, typed] { combo.type(typed); });
            return;
        }
        if (code == CBN_KILLFOCUS) {
            view->perform([&combo] { combo.leave(); });
            return;
        }
        const auto notice = noticeOf(code);
        if (!notice) return;
        const int selection = static_cast<int>(SendMessageW(window, CB_GETCURSEL, 0, 0));
        if (const auto item = picks.picked(*notice, selection)) {
            view->perform([&combo, item = *item] { combo.pick(item); });
        } else if (*notice == DropDownPicks::Notice::SelEndCancel ||
                   *notice == DropDownPicks::Notice::CloseUp) {
            show();  // what the person browsed to and did not pick goes back
        }
    };
    view_.following.follow(combo, [window, &combo, show](const Change&) {
        show();
        applyState(window, combo);
    });
}

void Builder::visit(TrackBar& track) {
    // A thumb of a fixed, shorter length leaves room for the tick marks below it in a slider
    // 25 pixels high (https://learn.microsoft.com/windows/win32/controls/tbm-setthumblength).
    HWND window = child(track, TRACKBAR_CLASSW,
                        WS_TABSTOP | TBS_HORZ | TBS_AUTOTICKS | TBS_BOTTOM | TBS_FIXEDLENGTH);
    SendMessageW(window, TBM_SETTHUMBLENGTH, static_cast<WPARAM>(view_.gdi.scale(kThumbLength)), 0);
    SendMessageW(window, TBM_SETRANGEMIN, FALSE, track.min());
    SendMessageW(window, TBM_SETRANGEMAX, FALSE, track.max());
    SendMessageW(window, TBM_SETTICFREQ, static_cast<WPARAM>(track.frequency()), 0);
    Binding& binding = bind(window, track);
    binding.scroll = [view = &view_, window, &track] {
        const int position = static_cast<int>(SendMessageW(window, TBM_GETPOS, 0, 0));
        view->perform([&track, position] { track.scroll(position); });
    };
    view_.following.follow(track, [window, &track](const Change&) {
        SendMessageW(window, TBM_SETPOS, TRUE, track.position());
        applyState(window, track);
    });
}

void Builder::visit(ListBox& list) {
    const DWORD frame = list.look().frame == Frame::Flat ? WS_BORDER : 0;
    HWND window =
        child(list, L"LISTBOX", WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | frame,
              list.look().frame == Frame::Flat ? 0 : WS_EX_CLIENTEDGE);
    SendMessageW(window, LB_SETITEMHEIGHT, 0, view_.gdi.scale(ListBox::kRowHeight));
    Binding& binding = bind(window, list);
    made(SetWindowSubclass(window, scrolledList, 0, reinterpret_cast<DWORD_PTR>(&binding)),
         "SetWindowSubclass");
    binding.command = [view = &view_, window, &list](int code) {
        if (code != LBN_SELCHANGE) return;
        const int top = static_cast<int>(SendMessageW(window, LB_GETTOPINDEX, 0, 0));
        const int row = static_cast<int>(SendMessageW(window, LB_GETCURSEL, 0, 0));
        view->perform([&list, top, row] { choose(list, top, row); });
    };
    view_.following.follow(list, [window, &list](const Change& change) {
        NativeList native{window};
        showList(list, change, native);
        applyState(window, list);
    });
}

void Builder::visit(MainMenu&) {}  // built with its window

HMENU Builder::buildMenu(MainMenu& menu) {
    HMENU bar = made(CreateMenu(), "CreateMenu");
    menu_ = bar;
    for (Control* title : menu.children())
        title->accept(*this);
    return bar;
}

void Builder::visit(MenuItem& item) {
    const HMENU into = menu_;
    const UINT position = static_cast<UINT>(GetMenuItemCount(into));
    UINT_PTR id = 0;
    UINT flags = MF_STRING;
    if (!item.children().empty()) {  // a title and its items
        HMENU popup = made(CreatePopupMenu(), "CreatePopupMenu");
        menu_ = popup;
        for (Control* child : item.children())
            child->accept(*this);
        menu_ = into;
        id = reinterpret_cast<UINT_PTR>(popup);
        flags |= MF_POPUP;
    } else {
        id = kFirstMenuId + view_.menuCommands.size();
        view_.menuCommands.push_back(
            [view = &view_, &item] { view->perform([&item] { item.click(); }); });
    }
    made(AppendMenuW(into, flags, id, wide(item.caption()).c_str()), "AppendMenuW");
    // Caption and state change in place: ModifyMenuW would destroy the submenu of a title
    // (https://learn.microsoft.com/windows/win32/api/winuser/nf-winuser-modifymenuw), so
    // SetMenuItemInfoW changes only the text and the state
    // (https://learn.microsoft.com/windows/win32/api/winuser/nf-winuser-setmenuiteminfow).
    view_.following.follow(item, [into, position, &item, view = &view_](const Change&) {
        std::wstring caption = wide(item.caption());
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_STRING | MIIM_STATE;
        info.fState = item.enabled() ? MFS_ENABLED : MFS_DISABLED;
        info.dwTypeData = caption.data();
        if (!SetMenuItemInfoW(into, position, TRUE, &info)) return;
        for (void* window : view->topLevel)
            DrawMenuBar(static_cast<HWND>(window));
    });
}

void buildWindows(ViewState& view, Form& form) {
    Builder builder(view);
    form.accept(builder);
}

}  // namespace torvexa::win32
