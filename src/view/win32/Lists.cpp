// The lists: a native LISTBOX that asks for its rows as it draws them (a no-data list: showing a
// file of 20,000 lines is one count, not 20,000 rows copied, and Wine tells every row added to
// the server), answers for their text as a list of strings does, and tells the model when a
// person chooses a row or scrolls
// (https://learn.microsoft.com/windows/win32/controls/list-box-styles: LBS_NODATA).
#include "view/win32/Builder.h"

#include <algorithm>
#include <cwctype>

#include "platform/win32/WideText.h"
#include "ui/ListRules.h"
#include "ui/Palette.h"

namespace torvexa::win32 {
namespace {

using winsys::wide;

std::wstring rowText(const ListBox& list, WPARAM row) {
    const Rows& rows = list.items();
    return row < rows.size() ? wide(rows[row]) : std::wstring();
}

// A row as a list of strings draws it: its text from the left edge, the chosen row in the
// system's highlight, the focus mark on the focused list's current row.
void drawRow(const DRAWITEMSTRUCT& item, const ListBox& list, ViewParts& view) {
    const bool focusMark = (item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT);
    if (item.itemID == static_cast<UINT>(-1)) {  // an empty list with the focus
        if (focusMark) DrawFocusRect(item.hDC, &item.rcItem);
        return;
    }
    HDC dc = item.hDC;
    const int dpi = view.dpiOf(item.hwndItem);
    const HGDIOBJ old = SelectObject(dc, view.gdi.font(list.font(), dpi));
    const bool chosen = (item.itemState & ODS_SELECTED) != 0;
    SetTextColor(dc, chosen                            ? GetSysColor(COLOR_HIGHLIGHTTEXT)
                     : (item.itemState & ODS_DISABLED) ? GetSysColor(COLOR_GRAYTEXT)
                                                       : view.gdi.colour(list.look().textColour));
    SetBkColor(dc, chosen ? GetSysColor(COLOR_HIGHLIGHT) : view.gdi.colour(textBackgroundOf(list)));
    const std::wstring text = rowText(list, item.itemID);
    ExtTextOutW(dc, item.rcItem.left + scaledTo(1, dpi), item.rcItem.top, ETO_OPAQUE | ETO_CLIPPED,
                &item.rcItem, text.c_str(), static_cast<UINT>(text.size()), nullptr);
    if (focusMark) DrawFocusRect(dc, &item.rcItem);
    SelectObject(dc, old);
}

// A typed letter chooses the next row that begins with it, from the row after the chosen one
// round to it, as a list of strings does; the list tells its container as for a click.
void chooseByLetter(HWND window, const ListBox& list, wchar_t letter) {
    const auto count = static_cast<int>(list.items().size());
    const int from = list.itemIndex();
    for (int step = 1; step <= count; ++step) {
        const int row = ((from < 0 ? -1 : from) + step) % count;
        const std::wstring text = rowText(list, static_cast<WPARAM>(row));
        if (text.empty() || std::towupper(text[0]) != std::towupper(letter)) continue;
        SendMessageW(window, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
        SendMessageW(GetParent(window), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(window), LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(window));
        return;
    }
}

// A list's own messages for its rows' text, which a no-data list does not keep.
bool answerForRows(HWND window, UINT message, WPARAM w, LPARAM l, const ListBox& list,
                   LRESULT& result) {
    switch (message) {
        case LB_GETTEXTLEN:
        case LB_GETTEXT: {
            if (w >= list.items().size()) {
                result = LB_ERR;
                return true;
            }
            const std::wstring text = rowText(list, w);
            if (message == LB_GETTEXT)
                std::copy(text.c_str(), text.c_str() + text.size() + 1,
                          reinterpret_cast<wchar_t*>(l));
            result = static_cast<LRESULT>(text.size());
            return true;
        }
        case WM_CHAR:
            if (w < L' ') return false;
            chooseByLetter(window, list, static_cast<wchar_t>(w));
            result = 0;
            return true;
        default:
            return false;
    }
}

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
    if (LRESULT answer = 0; answerForRows(window, message, w, l, list, answer)) return answer;
    const bool ownWheel = message == WM_MOUSEWHEEL && !list.scrollBar();
    if (ownWheel) turnWheel(window, w, list);
    const LRESULT result = ownWheel ? 0 : DefSubclassProc(window, message, w, l);
    if (message == WM_VSCROLL || message == WM_MOUSEWHEEL || message == WM_KEYDOWN) {
        const int top = static_cast<int>(SendMessageW(window, LB_GETTOPINDEX, 0, 0));
        if (top != list.topIndex()) binding.view->perform([&list, top] { list.scrollTo(top); });
    }
    return result;
}

// A LISTBOX as showList drives it: it holds a count of rows and draws each as it comes to view.
struct NativeList {
    HWND window;
    void replaceAll(const Rows& rows) {
        rowAdded(SendMessageW(window, LB_SETCOUNT, rows.size(), 0));
        InvalidateRect(window, nullptr, TRUE);
    }
    void replaceRow(int row, const std::string&) {
        RECT place{};
        if (SendMessageW(window, LB_GETITEMRECT, static_cast<WPARAM>(row),
                         reinterpret_cast<LPARAM>(&place)) != LB_ERR)
            InvalidateRect(window, &place, TRUE);
    }
    void scrollTo(int topRow) {
        SendMessageW(window, LB_SETTOPINDEX, static_cast<WPARAM>(std::max(0, topRow)), 0);
    }
    // LB_SETCURSEL scrolls the row chosen into view
    // (https://learn.microsoft.com/windows/win32/controls/lb-setcursel); the list's top row is
    // the model's, which scrolled it already.
    void select(int row) {
        const LRESULT top = SendMessageW(window, LB_GETTOPINDEX, 0, 0);
        SendMessageW(window, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
        SendMessageW(window, LB_SETTOPINDEX, static_cast<WPARAM>(top), 0);
    }
};

}  // namespace

void Builder::visit(ListBox& list) {
    const DWORD frame = list.look().frame == Frame::Flat ? WS_BORDER : 0;
    const DWORD bar = list.scrollBar() ? WS_VSCROLL : 0;
    HWND window = child(list, L"LISTBOX",
                        WS_TABSTOP | bar | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_NODATA |
                            LBS_OWNERDRAWFIXED | frame,
                        list.look().frame == Frame::Flat ? 0 : WS_EX_CLIENTEDGE);
    Binding& binding = bind(window, list);
    binding.draw = [&list, view = &view_](const DRAWITEMSTRUCT& item) {
        drawRow(item, list, *view);
    };
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
