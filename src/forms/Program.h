#pragma once

#include <array>
#include <memory>
#include <string_view>

#include "forms/Unit1.h"
#include "forms/Unit2.h"
#include "forms/Unit3.h"
#include "ui/Application.h"

namespace torvexa {

class Dialogs;
class System;

// The program's start up to the event loop: the main window, then the preset dialog, then the
// tint dialog, each running its creation handler under the top level. A failure there is
// reported and the window is created all the same. Afterwards the main window is shown, unless
// the end of the program was requested meanwhile.
class Program {
  public:
    Program(System& system, Dialogs& dialogs, std::string_view programPath);

    Application& application() noexcept { return application_; }
    TForm1& form1() noexcept { return *form1_; }
    TForm2& form2() noexcept { return *form2_; }
    TForm3& form3() noexcept { return *form3_; }
    // Every window a view draws, in the order they were created.
    std::array<Form*, 3> forms() noexcept { return {form1_.get(), form2_.get(), form3_.get()}; }

    // Whether the event loop should offer the main window: not when the end was requested.
    bool running() const noexcept { return !application_.terminated(); }

  private:
    void create(Form& form);

    Application application_;
    std::unique_ptr<TForm1> form1_;
    std::unique_ptr<TForm2> form2_;
    std::unique_ptr<TForm3> form3_;
};

}  // namespace torvexa
