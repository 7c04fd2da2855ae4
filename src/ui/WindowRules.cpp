#include "ui/WindowRules.h"

#include <algorithm>

namespace torvexa {

bool shownOnScreen(const Form& form, const Application& application) {
    return form.visible() && !application.terminated();
}

Rect keptInside(const Rect& window, const Rect& workArea, const FrameSize& frame) {
    const int framedWidth = window.width + frame.left + frame.right;
    const int framedHeight = window.height + frame.top + frame.bottom;
    Rect moved = window;
    moved.left = frame.left +
                 std::max(workArea.left, std::min(window.left - frame.left,
                                                  workArea.left + workArea.width - framedWidth));
    moved.top =
        frame.top + std::max(workArea.top, std::min(window.top - frame.top,
                                                    workArea.top + workArea.height - framedHeight));
    return moved;
}

void requestClose(Form& form, CloseRequest request) {
    if (request == CloseRequest::TitleBar) form.closeRequest();
    if (request == CloseRequest::EscapeKey) form.escapeRequest();
    if (request == CloseRequest::EnterKey) form.enterRequest();
}

}  // namespace torvexa
