#include "ui/Form.h"

namespace torvexa {

Form::Form(std::string name, Rect bounds, std::string caption, Look look, TitleButtons titleButtons)
    : Control(nullptr, std::move(name), bounds, std::move(look)), titleButtons_(titleButtons) {
    setCaption(std::move(caption));
    setVisible(false);
}

void Form::showInFront() {
    ++frontRequests_;
    if (visible())
        notify();
    else
        setVisible(true);
}

}  // namespace torvexa
