#include "view/win32/Win32Dialogs.h"

#include <windows.h>
// after windows.h, which it needs
#include <commdlg.h>

#include "platform/win32/WideText.h"
#include "ui/ViewRules.h"

namespace torvexa::win32 {
namespace {

using win32text::ansi;
using win32text::wide;

// "Name|*.ext|Name|*.ext" as the dialog takes it: each part ended by a NUL, one more at the end.
std::wstring filterList(const std::string& filter) {
    std::wstring list = wide(filter);
    for (wchar_t& c : list)
        if (c == L'|') c = L'\0';
    list.push_back(L'\0');
    list.push_back(L'\0');
    return list;
}

}  // namespace

void Win32Dialogs::showMessage(MessageIcon icon, std::string_view title, std::string_view text) {
    const std::string lines = messageText(text, "\r\n");  // MessageBox breaks at CR LF
    MessageBoxW(GetActiveWindow(), wide(lines).c_str(), wide(title).c_str(),
                MB_OK | (icon == MessageIcon::Error ? MB_ICONERROR : MB_ICONINFORMATION));
}

std::optional<std::string> Win32Dialogs::chooseFile(const FileDialogSettings& settings) {
    const std::wstring filter = filterList(settings.filter);
    std::wstring file(MAX_PATH * 4, L'\0');
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = GetActiveWindow();
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrTitle = L"\u00D6ffnen";
    // No must-exist flag: a typed name that does not exist is returned, and reported as missing.
    dialog.Flags = OFN_HIDEREADONLY | OFN_EXPLORER | OFN_NOCHANGEDIR;
    if (!GetOpenFileNameW(&dialog)) return std::nullopt;
    file.resize(wcslen(file.c_str()));
    return ansi(file);
}

}  // namespace torvexa::win32
