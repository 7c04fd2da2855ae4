#include "forms/Program.h"

namespace torvexa {

Program::Program(System& system, Dialogs& dialogs, std::string_view programPath)
    : application_(dialogs, programPath) {
    form1_ = std::make_unique<TForm1>(application_, system, dialogs);
    create(*form1_);
    form2_ = std::make_unique<TForm2>(*form1_, dialogs);
    create(*form2_);
    form3_ = std::make_unique<TForm3>(*form1_);
    create(*form3_);
    form1_->attachDialogs(*form2_, *form3_);
    if (running()) form1_->setVisible(true);
}

void Program::create(Form& form) {
    // Once the end is requested (the translation file is missing), the windows are still
    // created, but their failures are not shown: the person is only told to restart.
    if (!application_.terminated()) {
        application_.perform([&form] { form.FormCreate(); });
        return;
    }
    try {
        form.FormCreate();
    } catch (const std::exception&) {
    }
}

}  // namespace torvexa
