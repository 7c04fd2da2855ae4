#pragma once

#include "ui/Dialogs.h"

namespace torvexa::win32 {

// The system's own message boxes and open dialog, owned by the active window.
class Win32Dialogs : public Dialogs {
  public:
    void showMessage(MessageIcon icon, std::string_view title, std::string_view text) override;
    std::optional<std::string> chooseFile(const FileDialogSettings& settings) override;
};

}  // namespace torvexa::win32
