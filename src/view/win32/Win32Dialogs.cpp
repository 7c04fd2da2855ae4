#include "view/win32/Win32Dialogs.h"

#include <windows.h>
// after windows.h, which it needs
#include <commdlg.h>

#include "platform/win32/WideText.h"
#include "ui/TextRules.h"

namespace torvexa::win32 {
namespace {

using winsys::ansi;
using winsys::wide;

// The filters as the dialog takes them: name and pattern each ended by a NUL, one more at the
// end (https://learn.microsoft.com/windows/win32/api/commdlg/ns-commdlg-openfilenamew).
std::wstring filterList(const std::vector<FileFilter>& filters) {
    std::wstring list;
    for (const FileFilter& filter : filters)
        list += wide(filter.name) + L'\0' + wide(filter.pattern) + L'\0';
    list.push_back(L'\0');
    return list;
}

// The window a box belongs to: the active one, else the first of the program's windows on
// view, so that Windows disables it while the box is up, whoever has the focus.
BOOL CALLBACK firstVisible(HWND window, LPARAM found) {
    if (!IsWindowVisible(window)) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

HWND ownerWindow() {
    if (HWND active = GetActiveWindow()) return active;
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), firstVisible, reinterpret_cast<LPARAM>(&found));
    return found;
}

// The "lang" folder beside torvexa.exe, where the translation files are shipped.
std::wstring shippedLanguages() {
    std::wstring exe(MAX_PATH * 4, L'\0');
    const DWORD length = GetModuleFileNameW(nullptr, exe.data(), static_cast<DWORD>(exe.size()));
    exe.resize(length);
    const std::size_t folder = exe.find_last_of(L'\\');
    return folder == std::wstring::npos ? std::wstring() : exe.substr(0, folder) + L"\\lang";
}

}  // namespace

void Win32Dialogs::showMessage(MessageIcon icon, std::string_view title, std::string_view text) {
    const std::string lines = messageText(text, "\r\n");  // MessageBox breaks at CR LF
    MessageBoxW(ownerWindow(), wide(lines).c_str(), wide(title).c_str(),
                MB_OK | (icon == MessageIcon::Error ? MB_ICONERROR : MB_ICONINFORMATION));
}

std::optional<std::string> Win32Dialogs::chooseFile(const FileDialogSettings& settings) {
    const std::wstring filter = filterList(settings.filters());
    std::wstring file(MAX_PATH * 4, L'\0');
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = ownerWindow();
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    // No title of its own: Windows names it in the desktop's language.
    const std::wstring languages = settings.startInLanguages ? shippedLanguages() : L"";
    dialog.lpstrInitialDir = languages.empty() ? nullptr : languages.c_str();
    // No must-exist flag: a typed name that does not exist is returned, and reported as missing.
    dialog.Flags = OFN_HIDEREADONLY | OFN_EXPLORER | OFN_NOCHANGEDIR;
    if (!GetOpenFileNameW(&dialog)) return std::nullopt;
    file.resize(wcslen(file.c_str()));
    return ansi(file);
}

}  // namespace torvexa::win32
