// The lists: a native LISTBOX that shows its control's rows and tells the model when a person
// chooses a row or scrolls.
#include "view/win32/Builder.h"

#include <algorithm>

#include "platform/win32/WideText.h"
#include "ui/ListRules.h"

namespace torvexa::win32 {
namespace {

using winsys::wide;

// A person scrolled a list (bar, wheel or keys): its top row goes to the model, whose other
// lists follow it. A list box sends no notice of scrolling, so its messages are watched.
// A list without a scroll bar of its own turns the wheel here, by the rows the system's setting
// asks (https://learn.microsoft.com/windows/win32/inputdev/wm-mousewheel): what a list box does
// with the wheel without WS_VSCROLL is not documented.
void turnWheel(HWND window, WPARAM w, const ListBox& list) {
    UINT rows = 3;
    SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &rows, 0);
    if (rows == WHEEL_PAGESCROLL) rows = static_cast<UINT>(list.visibleRows());
    const int notches = GET_WHEEL_DELTA_WPARAM(w) / WHEEL_DELTA;
    const int top = static_cast<int>(SendMessageW(window, LB_GETTOPINDEX, 0, 0)) -
                    notches * static_cast<int>(rows);
    SendMessageW(window, LB_SETTOPINDEX, static_cast<WPARAM>(std::max(0, top)), 0);
}

LRESULT CALLBACK scrolledList(HWND window, UINT message, WPARAM w, LPARAM l, UINT_PTR,
                              DWORD_PTR data) {
    const Binding& binding = *reinterpret_cast<const Binding*>(data);
    auto& list = static_cast<ListBox&>(*binding.control);
    const bool ownWheel = message == WM_MOUSEWHEEL && !list.scrollBar();
    if (ownWheel) turnWheel(window, w, list);
    const LRESULT result = ownWheel ? 0 : DefSubclassProc(window, message, w, l);
    if (message == WM_VSCROLL || message == WM_MOUSEWHEEL || message == WM_KEYDOWN) {
        const int top = static_cast<int>(SendMessageW(window, LB_GETTOPINDEX, 0, 0));
        if (top != list.topIndex()) binding.view->perform([&list, top] { list.scrollTo(top); });
    }
    return result;
}

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

}  // namespace

void Builder::visit(ListBox& list) {
    const DWORD frame = list.look().frame == Frame::Flat ? WS_BORDER : 0;
    const DWORD bar = list.scrollBar() ? WS_VSCROLL : 0;
    HWND window =
        child(list, L"LISTBOX", WS_TABSTOP | bar | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | frame,
              list.look().frame == Frame::Flat ? 0 : WS_EX_CLIENTEDGE);
    Binding& binding = bind(window, list);
    binding.rescale = [window, &list](int dpi) {
        const int rowHeight = scaledTo(ListBox::kRowHeight, dpi);
        SendMessageW(window, LB_SETITEMHEIGHT, 0, rowHeight);
        // A list box scrolls no further than its last page of whole rows: a list whose thinner
        // frame leaves room for a whole row more than its neighbours would end a row apart from
        // them, so it gives up those pixels (one at 150 % and at 200 %).
        RECT client{};
        GetClientRect(window, &client);
        const int most = (list.visibleRows() + 1) * rowHeight - 1;
        if (client.bottom <= most) return;
        RECT outer{};
        GetWindowRect(window, &outer);
        SetWindowPos(window, nullptr, 0, 0, outer.right - outer.left,
                     outer.bottom - outer.top - (client.bottom - most),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    };
    binding.rescale(view_.dpiOf(window));
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

}  // namespace torvexa::win32
