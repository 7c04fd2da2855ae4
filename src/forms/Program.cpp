#include "forms/Program.h"

namespace torvexa {

Program::Program(System& system, Dialogs& dialogs, std::string_view programPath)
    : application_(dialogs, programPath) {
    form1_ = std::make_unique<TForm1>(application_, system, dialogs);
    application_.perform([this] { form1_->FormCreate(); });
    form2_ = std::make_unique<TForm2>(*form1_);
    application_.perform([this] { form2_->FormCreate(); });
    form3_ = std::make_unique<TForm3>(*form1_);
    application_.perform([this] { form3_->FormCreate(); });
    form1_->attachDialogs(*form2_, *form3_);
    if (running()) form1_->setVisible(true);
}

}  // namespace torvexa
