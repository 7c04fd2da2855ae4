// The labels: a STATIC window that grows with its caption unless its size is fixed, draws an
// underlined font itself, and shows a path of this machine on the lines its place holds.
#include "view/win32/Builder.h"

#include "platform/win32/WideText.h"
#include "ui/PathLines.h"
#include "ui/TextRules.h"
#include "view/win32/Layout.h"
#include "view/win32/TextDrawing.h"

namespace torvexa::win32 {
namespace {

using winsys::wide;

const Binding& bindingOfLabel(HWND window) {
    return *reinterpret_cast<const Binding*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

// The path's lines, measured in the DC's font, as many as the label's height holds.
std::vector<std::wstring> pathLinesIn(HDC dc, HWND window) {
    RECT area{};
    GetClientRect(window, &area);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    const int lineHeight = metrics.tmHeight > 0 ? metrics.tmHeight : 1;
    std::vector<std::wstring> lines;
    for (const std::string& line : pathLines(
             bindingOfLabel(window).control->caption(), area.right, area.bottom / lineHeight,
             [dc](std::string_view part) {
                 const std::wstring text = winsys::wideFromUtf8(part);
                 SIZE size{};
                 GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
                 return static_cast<int>(size.cx);
             }))
        lines.push_back(winsys::wideFromUtf8(line));
    return lines;
}

// A path label's painting: its lines, on the colours its parent gives every label. Its window
// text stays the whole path, which is what a screen reader reads.
LRESULT CALLBACK pathLabel(HWND window, UINT message, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR) {
    if (message != WM_PAINT) return DefSubclassProc(window, message, w, l);
    const Binding& binding = bindingOfLabel(window);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    if (!dc) return 0;
    const HGDIOBJ old = SelectObject(
        dc, binding.view->gdi.font(binding.control->font(), binding.view->dpiOf(window)));
    const auto brush = reinterpret_cast<HBRUSH>(SendMessageW(GetParent(window), WM_CTLCOLORSTATIC,
                                                             reinterpret_cast<WPARAM>(dc),
                                                             reinterpret_cast<LPARAM>(window)));
    RECT area{};
    GetClientRect(window, &area);
    if (brush) FillRect(dc, &area, brush);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    int top = 0;
    for (const std::wstring& line : pathLinesIn(dc, window)) {
        TextOutW(dc, 0, top, line.c_str(), static_cast<int>(line.size()));
        top += metrics.tmHeight;
    }
    SelectObject(dc, old);
    EndPaint(window, &paint);
    return 0;
}

// The whole path as the label's tooltip: a tooltip window owned by the label's form, which
// shows it while the pointer rests on the label
// (https://learn.microsoft.com/windows/win32/controls/create-a-tooltip-for-a-control).
HWND addTooltip(HWND label) {
    HWND tip =
        made(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                             WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, GetAncestor(label, GA_ROOT), nullptr,
                             GetModuleHandleW(nullptr), nullptr),
             "CreateWindowExW");
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = GetParent(label);
    tool.uId = reinterpret_cast<UINT_PTR>(label);
    tool.lpszText = const_cast<wchar_t*>(L"");
    SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageW(tip, TTM_SETMAXTIPWIDTH, 0, GetSystemMetrics(SM_CXSCREEN) / 2);  // wraps long
    return tip;
}

// The whole path on lines that break only between folders, in the tooltip's font: the tooltip
// itself breaks its text at blanks where it is wider than its widest line (TTM_SETMAXTIPWIDTH).
std::wstring tooltipLines(HWND tip, const std::string& path) {
    HDC dc = GetDC(tip);
    const HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(tip, WM_GETFONT, 0, 0)));
    const std::string lines = wholePathLines(
        path, static_cast<int>(SendMessageW(tip, TTM_GETMAXTIPWIDTH, 0, 0)),
        [dc](std::string_view part) {
            const std::wstring text = winsys::wideFromUtf8(part);
            SIZE size{};
            GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
            return static_cast<int>(size.cx);
        });
    SelectObject(dc, old);
    ReleaseDC(tip, dc);
    std::wstring text;
    for (const wchar_t c : winsys::wideFromUtf8(lines))
        text += c == L'\n' ? std::wstring(L"\r\n") : std::wstring(1, c);  // a tooltip's line end
    return text;
}

void setTooltip(HWND tip, HWND label, const std::wstring& text) {
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = GetParent(label);
    tool.uId = reinterpret_cast<UINT_PTR>(label);
    tool.lpszText = const_cast<wchar_t*>(text.c_str());  // the tooltip keeps a copy
    SendMessageW(tip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

bool overlap(const Rect& a, const Rect& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

}  // namespace

void Builder::raiseAboveWhatItCovers(HWND window, const Label& label) {
    // A label on an earlier control's place ("(93/94)" on its check box's row) lies right above
    // it in the z-order: siblings clip each other, so the box's painting leaves the label's
    // pixels alone (https://learn.microsoft.com/windows/win32/winmsg/window-features#z-order).
    if (!label.parent()) return;
    for (const Control* sibling : label.parent()->children()) {
        if (sibling == &label) return;
        const auto made = view_.windows.find(sibling);
        if (made == view_.windows.end() || !overlap(sibling->bounds(), label.bounds())) continue;
        HWND above = GetWindow(made->second, GW_HWNDPREV);
        SetWindowPos(window, above ? above : HWND_TOP, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        return;
    }
}

std::vector<std::wstring> pathLinesShown(HWND label) {
    const Binding& binding = bindingOfLabel(label);
    HDC dc = GetDC(label);
    if (!dc) return {};
    const HGDIOBJ old = SelectObject(
        dc, binding.view->gdi.font(binding.control->font(), binding.view->dpiOf(label)));
    std::vector<std::wstring> lines = pathLinesIn(dc, label);
    SelectObject(dc, old);
    ReleaseDC(label, dc);
    return lines;
}

void Builder::visit(Label& label) {
    const Look& look = label.look();
    if (look.path) {
        pathLabel(label);
        return;
    }
    const DWORD align = look.align == Align::Centre ? SS_CENTER
                        : look.wordWrap             ? SS_LEFT
                                                    : SS_LEFTNOWORDWRAP;
    HWND window = child(label, L"STATIC", align);
    raiseAboveWhatItCovers(window, label);
    Binding& binding = bind(window, label);
    if (label.font().underline)
        made(SetWindowSubclass(window, underlinedLabel, 0, reinterpret_cast<DWORD_PTR>(&binding)),
             "SetWindowSubclass");
    ViewParts& view = view_;
    view_.following.follow(label, [window, &label, &view](const Change&) {
        const int dpi = view.dpiOf(window);
        const HFONT font = view.gdi.font(label.font(), dpi);
        const std::wstring text = wide(label.caption());
        SetWindowTextW(window, text.c_str());
        const RECT place = placeOf(label, dpi);
        const int width =
            shownWidth(label, textWidth(window, font, text), place.right - place.left);
        RECT now{};
        GetClientRect(window, &now);
        SetWindowPos(window, nullptr, 0, 0, width, now.bottom,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        applyState(window, label);
    });
}

void Builder::pathLabel(Label& label) {
    // SS_NOTIFY: the label takes the pointer, so that its tooltip sees it.
    HWND window = child(label, L"STATIC", SS_LEFT | SS_NOTIFY);
    bind(window, label);
    made(SetWindowSubclass(window, win32::pathLabel, 0, 0), "SetWindowSubclass");
    HWND tip = addTooltip(window);
    view_.following.follow(label, [window, tip, &label](const Change&) {
        const std::wstring path = winsys::wideFromUtf8(label.caption());
        SetWindowTextW(window, path.c_str());
        setTooltip(tip, window, tooltipLines(tip, label.caption()));
        InvalidateRect(window, nullptr, TRUE);
        applyState(window, label);
    });
}

}  // namespace torvexa::win32
