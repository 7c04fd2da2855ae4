#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace torvexa {

class Dialogs;

// The top level: runs every user action and creation handler, turns a failure that escapes one
// into the standard error report, and holds the request to end the program.
class Application {
  public:
    Application(Dialogs& dialogs, std::string_view programPath);

    // The program file's name without folder, cut before its first ".", its first character
    // as stored and the rest in lower case.
    static std::string titleFor(std::string_view programPath);
    // The report's text: the message, with "." appended when it ends in a character above ".".
    static std::string reportText(std::string_view message);

    const std::string& title() const noexcept { return title_; }

    // Runs an action; an escaping failure is reported and the program goes on.
    void perform(const std::function<void()>& action);

    // Ends the event loop once the current event is handled.
    void terminate();
    bool terminated() const noexcept { return terminated_; }
    void setObserver(std::function<void()> observer) { observer_ = std::move(observer); }

  private:
    void report(std::string_view message);

    Dialogs& dialogs_;
    std::string title_;
    bool terminated_ = false;
    std::function<void()> observer_;
};

}  // namespace torvexa
