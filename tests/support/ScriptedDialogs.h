#pragma once

#include <deque>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "ui/Dialogs.h"

namespace torvexa::test {

// Dialogs for headless runs: records every box shown, answers the open dialog from a script.
class ScriptedDialogs : public Dialogs {
  public:
    struct Message {
        MessageIcon icon;
        std::string title;
        std::string text;
        bool operator==(const Message&) const = default;
        friend void PrintTo(const Message& m, std::ostream* os) {
            *os << (m.icon == MessageIcon::Error ? "error" : "information") << " \"" << m.title
                << "\": \"" << m.text << '"';
        }
    };

    void showMessage(MessageIcon icon, std::string_view title, std::string_view text) override {
        messages.push_back({icon, std::string(title), std::string(text)});
    }

    std::optional<std::string> chooseFile(const FileDialogSettings& settings) override {
        fileDialogs.push_back(settings);
        if (fileAnswers.empty()) return std::nullopt;
        std::optional<std::string> answer = fileAnswers.front();
        fileAnswers.pop_front();
        return answer;
    }

    std::vector<Message> messages;
    std::vector<FileDialogSettings> fileDialogs;
    std::deque<std::optional<std::string>> fileAnswers;  // nullopt: the person cancels
};

}  // namespace torvexa::test
