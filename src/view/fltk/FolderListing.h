#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// What the open dialog lists, without the toolkit: the folder's entries in the order a person
// expects, and the dialog's own words in the desktop's language.
namespace torvexa::fltk {

// Whether `a` comes before `b` as a person sorts names: without regard to case, accented
// letters beside their plain ones ("Ärger" with the "A"s), digit runs by their value ("2" before
// "10"). Names are UTF-8; bytes that are not are taken as they stand. Equal names in that sense
// are ordered by their bytes, so the order is total.
bool personOrderLess(std::string_view a, std::string_view b);

// Whether `name` matches one of the patterns ("*.zpr", or several as "*.zpr;*.txt") without
// regard to case, as the Windows open dialog matches.
bool matchesFilter(std::string_view name, std::string_view patterns);

// The rows of a folder: "../" first (not at the root), then its folders ("name/"), then its
// files that match `patterns`, each group in person order. Hidden entries (".name") are left
// out. A folder that cannot be read lists only "../".
std::vector<std::string> listFolder(const std::filesystem::path& folder, std::string_view patterns);

// The open dialog's own words. It stands for the system's dialog, so it speaks the desktop's
// language (LC_ALL, else LC_MESSAGES, else LANG), not the program's translation file: German,
// French, Italian or Spanish where the desktop speaks it, English otherwise.
struct OpenDialogWords {
    const char* title;
    const char* fileName;
    const char* fileType;
    const char* open;
    const char* cancel;
};
enum class DesktopLanguage { English, German, French, Italian, Spanish };
DesktopLanguage desktopLanguage(const char* lcAll, const char* lcMessages, const char* lang);
const OpenDialogWords& openDialogWords(DesktopLanguage language);
const OpenDialogWords& openDialogWordsOfThisDesktop();

}  // namespace torvexa::fltk
