// How the Windows view measures and draws text where the system's controls do not do it alike
// on every Windows.
#include "platform/win32/WideText.h"
#include "view/win32/ViewParts.h"

namespace torvexa::win32 {
namespace {

using winsys::wide;

// Where the ink of a text drawn in the DC's font ends: GDI's extent and its underline include
// the last letter's advance past its ink, and ABC widths exist only for TrueType fonts
// (https://learn.microsoft.com/windows/win32/api/wingdi/nf-wingdi-getcharabcwidthsw), so the
// text is drawn aside and looked at.
int inkWidth(HDC dc, const std::wstring& text, SIZE size) {
    HDC aside = CreateCompatibleDC(dc);
    HBITMAP bitmap = aside ? CreateCompatibleBitmap(dc, size.cx, size.cy) : nullptr;
    if (!bitmap) {
        if (aside) DeleteDC(aside);
        return size.cx;
    }
    const HGDIOBJ oldBitmap = SelectObject(aside, bitmap);
    const HGDIOBJ oldFont = SelectObject(aside, GetCurrentObject(dc, OBJ_FONT));
    RECT all{0, 0, size.cx, size.cy};
    FillRect(aside, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetTextColor(aside, RGB(0, 0, 0));
    SetBkMode(aside, TRANSPARENT);
    TextOutW(aside, 0, 0, text.c_str(), static_cast<int>(text.size()));
    int width = size.cx;
    for (bool blank = true; blank && width > 0;) {
        for (int y = 0; y < size.cy && blank; ++y)
            blank = GetPixel(aside, width - 1, y) == RGB(255, 255, 255);
        if (blank) --width;
    }
    SelectObject(aside, oldFont);
    SelectObject(aside, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(aside);
    return width;
}

}  // namespace

// An underlined label on one line: its text in the plain font, and a line under the ink of
// the text only, as long as the text.
LRESULT CALLBACK underlinedLabel(HWND window, UINT message, WPARAM w, LPARAM l, UINT_PTR,
                                 DWORD_PTR data) {
    if (message != WM_PAINT) return DefSubclassProc(window, message, w, l);
    const Binding& binding = *reinterpret_cast<const Binding*>(data);
    const Control& label = *binding.control;
    Font plain = label.font();
    plain.underline = false;
    GdiObjects& gdi = binding.view->gdi;
    const std::wstring text = wide(label.caption());
    RECT area{};
    GetClientRect(window, &area);

    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    if (!dc) return 0;
    const HGDIOBJ old = SelectObject(dc, gdi.font(plain, binding.view->dpiOf(window)));
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    if (size.cx > area.right) {  // on more than one line: as the system draws it
        SelectObject(dc, old);
        EndPaint(window, &paint);
        InvalidateRect(window, nullptr, FALSE);
        return DefSubclassProc(window, message, w, l);
    }
    // The parent colours it, as it colours every label.
    const auto brush = reinterpret_cast<HBRUSH>(SendMessageW(GetParent(window), WM_CTLCOLORSTATIC,
                                                             reinterpret_cast<WPARAM>(dc),
                                                             reinterpret_cast<LPARAM>(window)));
    if (brush) FillRect(dc, &area, brush);
    const bool centred = label.look().align == Align::Centre;
    const int left = centred ? (area.right - size.cx) / 2 : 0;
    TextOutW(dc, left, 0, text.c_str(), static_cast<int>(text.size()));
    const int inkEnd = left + inkWidth(dc, text, size);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    const HPEN pen = CreatePen(PS_SOLID, 1, GetTextColor(dc));
    const HGDIOBJ oldPen = SelectObject(dc, pen);
    MoveToEx(dc, left, metrics.tmAscent + 1, nullptr);
    LineTo(dc, inkEnd, metrics.tmAscent + 1);
    SelectObject(dc, oldPen);
    DeleteObject(pen);
    SelectObject(dc, old);
    EndPaint(window, &paint);
    return 0;
}

// How wide `text` is in `font`, in the window's pixels, measured by GDI
// (https://learn.microsoft.com/windows/win32/api/wingdi/nf-wingdi-gettextextentpoint32w).
int textWidth(HWND window, HFONT font, const std::wstring& text) {
    HDC dc = GetDC(window);
    if (!dc) return 0;
    const HGDIOBJ old = SelectObject(dc, font);
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(window, dc);
    return size.cx;
}

}  // namespace torvexa::win32
