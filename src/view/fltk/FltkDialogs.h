#pragma once

#include <filesystem>
#include <string>

#include "ui/Dialogs.h"

namespace torvexa::fltk {

// Where the parts of a message box lie, in pixels inside the box.
struct MessageLayout {
    struct Box {
        int x, y, w, h;
    };
    int width;
    int height;
    Box icon;
    Box text;
    Box button;
};

// A box sized to its text (shown as FLTK draws it), between a minimum and a maximum width;
// the text wraps only where it is wider than the maximum; at `scale` screen pixels for each
// layout pixel. Needs the display's fonts.
MessageLayout layoutMessage(const std::string& shownText, double scale = 1);

// The program's message boxes and open dialog as FLTK windows: modal, centred on the screen,
// texts shown literally, drawn at `scale`. The open dialog starts in `openFolder`.
class FltkDialogs : public Dialogs {
  public:
    explicit FltkDialogs(std::filesystem::path openFolder = {}, double scale = 1)
        : openFolder_(std::move(openFolder)), scale_(scale) {}
    void showMessage(MessageIcon icon, std::string_view title, std::string_view text) override;
    std::optional<std::string> chooseFile(const FileDialogSettings& settings) override;

  private:
    std::filesystem::path openFolder_;
    double scale_;
};

}  // namespace torvexa::fltk
