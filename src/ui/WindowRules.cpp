#include "ui/WindowRules.h"

namespace torvexa {

bool shownOnScreen(const Form& form, const Application& application) {
    return form.visible() && !application.terminated();
}

void requestClose(Form& form, CloseRequest request) {
    if (request == CloseRequest::TitleBar) form.closeRequest();
}

}  // namespace torvexa
