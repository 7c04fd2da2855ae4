#include "ui/Application.h"

#include <exception>
#include <new>
#include <stdexcept>

#include "common/Cp1252.h"
#include "common/Failure.h"
#include "ui/Dialogs.h"

namespace torvexa {
namespace {

// The platform's text for running out of memory (Windows error 8).
constexpr std::string_view kOutOfMemory = "Out of memory";
constexpr std::string_view kInternalError = "Internal error";

}  // namespace

Application::Application(Dialogs& dialogs, std::string_view programPath)
    : dialogs_(dialogs), title_(titleFor(programPath)) {}

std::string Application::titleFor(std::string_view programPath) {
    std::string_view name = programPath.substr(programPath.find_last_of("\\/") + 1);
    name = name.substr(0, name.find('.'));
    std::string title(name);
    for (std::size_t i = 1; i < title.size(); ++i)
        title[i] = lowerCp1252(title[i]);
    return title;
}

std::string Application::reportText(std::string_view message) {
    std::string text(message);
    if (!text.empty() && static_cast<unsigned char>(text.back()) > '.') text += '.';
    return text;
}

void Application::perform(const std::function<void()>& action) {
    try {
        action();
    } catch (const Failure& failure) {
        report(failure.what());
    } catch (const std::bad_alloc&) {
        report(kOutOfMemory);
    } catch (const std::length_error&) {  // a size beyond what memory can hold
        report(kOutOfMemory);
    } catch (const std::exception&) {
        // A library's own text means nothing to the person.
        report(kInternalError);
    }
}

void Application::report(std::string_view message) {
    dialogs_.showMessage(MessageIcon::Error, title_, reportText(message));
}

void Application::terminate() {
    if (terminated_) return;
    terminated_ = true;
    if (observer_) observer_();
}

}  // namespace torvexa
