#include "ui/WindowRules.h"

#include <algorithm>

namespace torvexa {

bool shownOnScreen(const Form& form, const Application& application) {
    return form.visible() && !application.terminated();
}

Rect keptInside(const Rect& window, const Rect& workArea) {
    Rect moved = window;
    moved.left = std::max(workArea.left,
                          std::min(window.left, workArea.left + workArea.width - window.width));
    moved.top = std::max(workArea.top,
                         std::min(window.top, workArea.top + workArea.height - window.height));
    return moved;
}

void requestClose(Form& form, CloseRequest request) {
    if (request == CloseRequest::TitleBar) form.closeRequest();
    if (request == CloseRequest::EscapeKey) form.escapeRequest();
}

}  // namespace torvexa
