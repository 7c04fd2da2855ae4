#include "platform/win32/WideText.h"
#include "view/win32/ViewParts.h"

#include "ui/Palette.h"
#include "ui/Scale.h"

namespace torvexa::win32 {

int systemDpi() {
    int dpi = kLayoutDpi;
    if (HDC screen = GetDC(nullptr)) {
        dpi = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
    }
    return dpi > 0 ? dpi : kLayoutDpi;
}

int dpiOfWindow(HWND window) {
    // https://learn.microsoft.com/windows/win32/api/winuser/nf-winuser-getdpiforwindow
    using GetDpiForWindowCall = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow =
        reinterpret_cast<GetDpiForWindowCall>(reinterpret_cast<void*>(
            GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    const UINT dpi = getDpiForWindow && window ? getDpiForWindow(window) : 0;
    return dpi > 0 ? static_cast<int>(dpi) : systemDpi();
}

bool systemHighContrast() {
    // https://learn.microsoft.com/windows/win32/api/winuser/ns-winuser-highcontrastw
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof contrast;
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

GdiObjects::~GdiObjects() {
    for (auto& [key, font] : fonts_)
        DeleteObject(font);
    for (auto& [colour, brush] : brushes_)
        DeleteObject(brush);
}

HFONT GdiObjects::font(const Font& font, int dpi) {
    const auto key =
        std::make_tuple(font.face, font.height, font.bold, font.italic, font.underline, dpi);
    HFONT& made = fonts_[key];
    if (!made) {
        // Rounded down, as on Linux: a text's width grows faster than its size.
        made =
            CreateFontW(-scaledFont(font.height, static_cast<double>(dpi) / kLayoutDpi), 0, 0, 0,
                        font.bold ? FW_BOLD : FW_NORMAL, font.italic, font.underline, FALSE,
                        DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                        DEFAULT_PITCH, font.face == Typeface::Arial ? L"Arial" : L"MS Sans Serif");
    }
    // A font that could not be made draws with the system's (WM_SETFONT with no font).
    return made;
}

HBRUSH GdiObjects::brush(Colour colour) {
    HBRUSH& made = brushes_[colour];
    if (!made) made = win32::made(CreateSolidBrush(this->colour(colour)), "CreateSolidBrush");
    return made;
}

COLORREF GdiObjects::colour(Colour colour) const {
    if (highContrast_) colour = highContrastOf(colour);
    switch (colour) {
        case Colour::ButtonFace:
            return GetSysColor(COLOR_BTNFACE);
        case Colour::WindowText:
            return GetSysColor(COLOR_WINDOWTEXT);
        case Colour::Window:
            return GetSysColor(COLOR_WINDOW);
        case Colour::HotLight:
            return GetSysColor(COLOR_HOTLIGHT);
        default: {
            const Rgb rgb = rgbOf(colour);
            return RGB(rgb.red, rgb.green, rgb.blue);
        }
    }
}

void GdiObjects::useHighContrast(bool on) {
    highContrast_ = on;
    // Also without a change of theme: the system's colours themselves may have changed.
    for (auto& [colour, brush] : brushes_)
        DeleteObject(brush);
    brushes_.clear();
}

Binding* bindingOf(HWND window) {
    auto* data =
        window ? reinterpret_cast<WindowData*>(GetWindowLongPtrW(window, GWLP_USERDATA)) : nullptr;
    return data && data->kind == WindowData::Kind::Control ? static_cast<Binding*>(data) : nullptr;
}

Container* containerOf(HWND window) {
    auto* data =
        window ? reinterpret_cast<WindowData*>(GetWindowLongPtrW(window, GWLP_USERDATA)) : nullptr;
    return data && data->kind == WindowData::Kind::Container ? static_cast<Container*>(data)
                                                             : nullptr;
}

std::string windowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return winsys::ansi(text);
}

}  // namespace torvexa::win32
