#pragma once

#include "platform/Dialogs.h"

namespace torvexa::fltk {

// The program's message boxes and open dialog as FLTK windows: modal, centred on the screen,
// texts shown literally.
class FltkDialogs : public Dialogs {
  public:
    void showMessage(MessageIcon icon, std::string_view title, std::string_view text) override;
    std::optional<std::string> chooseFile(const FileDialogSettings& settings) override;
};

}  // namespace torvexa::fltk
