// The labels: a STATIC window that grows with its caption unless its size is fixed, draws an
// underlined font itself, and shows a path of this machine on as many lines as it needs.
#include "view/win32/Builder.h"

#include "platform/win32/WideText.h"
#include "ui/PathLines.h"
#include "view/win32/Layout.h"

namespace torvexa::win32 {
namespace {

using winsys::wide;

// A path of this machine on as many lines as the label's width needs.
std::wstring pathText(HWND window, HFONT font, const std::string& utf8, int width) {
    std::wstring text;
    for (const std::string& line : pathLines(utf8, width, [window, font](std::string_view part) {
             return textWidth(window, font, winsys::wideFromUtf8(part));
         })) {
        if (!text.empty()) text += L"\r\n";
        text += winsys::wideFromUtf8(line);
    }
    return text;
}

}  // namespace

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
    ViewState& view = view_;
    view_.following.follow(label, [window, &label, &view](const Change&) {
        const int dpi = view.dpiOf(window);
        const HFONT font = view.gdi.font(label.font(), dpi);
        if (label.look().path) {
            const RECT place = placeOf(label, dpi);
            const std::wstring lines =
                pathText(window, font, label.caption(), place.right - place.left);
            SetWindowTextW(window, lines.c_str());
            applyState(window, label);
            return;
        }
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

}  // namespace torvexa::win32
