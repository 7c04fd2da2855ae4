#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace torvexa {

enum class MessageIcon { Error, Information };

// One choice of the open dialog's file types: its name and its patterns ("*.zpr", "*.a;*.b").
struct FileFilter {
    std::string name;
    std::string pattern;
    bool operator==(const FileFilter&) const = default;
};

struct FileDialogSettings {
    std::string filter;  // "Name|*.ext|Name|*.ext", the first pair active
    // Where the dialog opens: the translation files that come with Torvexa, else the person's
    // own folders.
    bool startInLanguages = true;
    // The filter's pairs, in order; a name left without a pattern is no choice.
    std::vector<FileFilter> filters() const;
};

// The modal boxes and the file-open dialog. Texts are shown literally.
class Dialogs {
  public:
    virtual ~Dialogs() = default;

    // A modal box with one "OK" button; returns when the person has closed it.
    virtual void showMessage(MessageIcon icon, std::string_view title, std::string_view text) = 0;

    // The chosen file's full path, a name that does not exist included; nothing on cancel.
    virtual std::optional<std::string> chooseFile(const FileDialogSettings& settings) = 0;

    void errorBox(std::string_view text) { showMessage(MessageIcon::Error, "Error", text); }
    void informationBox(std::string_view text) {
        showMessage(MessageIcon::Information, "Information", text);
    }
};

}  // namespace torvexa
