#include "view/fltk/FolderListing.h"

#include <fnmatch.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <system_error>

#include "common/Cp1252.h"

namespace torvexa::fltk {
namespace {

namespace fs = std::filesystem;

// One character of `name` from `i` on; a byte that starts no UTF-8 sequence stands for itself.
char32_t nextCharacter(std::string_view name, std::size_t& i) {
    char32_t c = 0;
    const std::size_t length = decodeUtf8(name, i, c);
    if (length == 0) return static_cast<unsigned char>(name[i++]);
    i += length;
    return c;
}

// The letters U+00C0..U+00FF without their accents, in lower case ("" where no letter).
constexpr const char* kLatin1Plain[64] = {
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",
    "d", "n", "o", "o", "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "th", "ss",
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",
    "d", "n", "o", "o", "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "th", "y"};

// A character as a person sorts it: lower case, a Latin letter without its accent.
void appendSortForm(char32_t c, std::u32string& out) {
    if (c >= 'A' && c <= 'Z') {
        out += c - 'A' + 'a';
    } else if (c >= 0xC0 && c <= 0xFF && *kLatin1Plain[c - 0xC0] != '\0') {
        for (const char* p = kLatin1Plain[c - 0xC0]; *p != '\0'; ++p)
            out += static_cast<char32_t>(*p);
    } else if (c >= 0x410 && c <= 0x42F) {  // Cyrillic capitals
        out += c + 0x20;
    } else if (c >= 0x400 && c <= 0x40F) {
        out += c + 0x50;
    } else {
        out += c;
    }
}

std::u32string sortForm(std::string_view name) {
    std::u32string form;
    for (std::size_t i = 0; i < name.size();)
        appendSortForm(nextCharacter(name, i), form);
    return form;
}

bool isDigit(char32_t c) { return c >= '0' && c <= '9'; }

// <0, 0, >0 as `a` sorts before, with or after `b`, digit runs compared by value.
int compareSortForms(const std::u32string& a, const std::u32string& b) {
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        if (isDigit(a[i]) && isDigit(b[j])) {
            std::size_t endA = i;
            std::size_t endB = j;
            while (endA < a.size() && isDigit(a[endA]))
                ++endA;
            while (endB < b.size() && isDigit(b[endB]))
                ++endB;
            while (i + 1 < endA && a[i] == '0')  // leading zeros do not count
                ++i;
            while (j + 1 < endB && b[j] == '0')
                ++j;
            if (endA - i != endB - j) return endA - i < endB - j ? -1 : 1;
            const int digits = a.compare(i, endA - i, b, j, endB - j);
            if (digits != 0) return digits;
            i = endA;
            j = endB;
        } else {
            if (a[i] != b[j]) return a[i] < b[j] ? -1 : 1;
            ++i;
            ++j;
        }
    }
    return (i < a.size()) - (j < b.size());
}

// Whether a locale name ("fr_CA.UTF-8", "it", "es_ES@euro") is of this language.
bool isOfLanguage(std::string_view locale, std::string_view code) {
    return locale.substr(0, 2) == code &&
           (locale.size() == 2 || locale[2] == '_' || locale[2] == '.' || locale[2] == '@');
}

bool isSet(const char* value) { return value != nullptr && *value != '\0'; }

}  // namespace

bool personOrderLess(std::string_view a, std::string_view b) {
    const int order = compareSortForms(sortForm(a), sortForm(b));
    return order != 0 ? order < 0 : a < b;
}

bool matchesFilter(std::string_view name, std::string_view patterns) {
    const std::string subject(name);
    for (std::size_t start = 0; start <= patterns.size();) {
        const std::size_t end = std::min(patterns.find(';', start), patterns.size());
        const std::string pattern(patterns.substr(start, end - start));
        if (!pattern.empty() && ::fnmatch(pattern.c_str(), subject.c_str(), FNM_CASEFOLD) == 0)
            return true;
        start = end + 1;
    }
    return false;
}

std::vector<std::string> listFolder(const fs::path& folder, std::string_view patterns) {
    std::vector<std::string> folders;
    std::vector<std::string> files;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (name.empty() || name[0] == '.') continue;
        std::error_code kindError;
        if (it->is_directory(kindError)) {
            folders.push_back(name);
        } else if (matchesFilter(name, patterns)) {
            files.push_back(name);
        }
    }
    std::sort(folders.begin(), folders.end(), personOrderLess);
    std::sort(files.begin(), files.end(), personOrderLess);

    std::vector<std::string> rows;
    if (folder.has_relative_path()) rows.push_back("../");
    for (const std::string& name : folders)
        rows.push_back(name + "/");
    rows.insert(rows.end(), files.begin(), files.end());
    return rows;
}

DesktopLanguage desktopLanguage(const char* lcAll, const char* lcMessages, const char* lang) {
    struct Known {
        std::string_view code;
        DesktopLanguage language;
    };
    static constexpr Known kKnown[] = {{"de", DesktopLanguage::German},
                                       {"fr", DesktopLanguage::French},
                                       {"it", DesktopLanguage::Italian},
                                       {"es", DesktopLanguage::Spanish}};
    for (const char* value : {lcAll, lcMessages, lang}) {
        if (!isSet(value)) continue;
        for (const Known& known : kKnown)
            if (isOfLanguage(value, known.code)) return known.language;
        return DesktopLanguage::English;  // the first one set decides, as for every program
    }
    return DesktopLanguage::English;
}

// UTF-8; French sets a no-break space before its colons.
const OpenDialogWords& openDialogWords(DesktopLanguage language) {
    static constexpr OpenDialogWords kEnglish{"Open", "File name:", "Files of type:", "Open",
                                              "Cancel"};
    static constexpr OpenDialogWords kGerman{
        "\xC3\x96"
        "ffnen",
        "Dateiname:", "Dateityp:",
        "\xC3\x96"
        "ffnen",
        "Abbrechen"};
    static constexpr OpenDialogWords kFrench{
        "Ouvrir", "Nom du fichier\xC2\xA0:", "Type de fichier\xC2\xA0:", "Ouvrir", "Annuler"};
    static constexpr OpenDialogWords kItalian{"Apri", "Nome file:", "Tipo file:", "Apri",
                                              "Annulla"};
    static constexpr OpenDialogWords kSpanish{
        "Abrir", "Nombre de archivo:", "Tipo de archivo:", "Abrir", "Cancelar"};
    switch (language) {
        case DesktopLanguage::German:
            return kGerman;
        case DesktopLanguage::French:
            return kFrench;
        case DesktopLanguage::Italian:
            return kItalian;
        case DesktopLanguage::Spanish:
            return kSpanish;
        case DesktopLanguage::English:
            break;
    }
    return kEnglish;
}

const OpenDialogWords& openDialogWordsOfThisDesktop() {
    return openDialogWords(
        desktopLanguage(std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"), std::getenv("LANG")));
}

}  // namespace torvexa::fltk
