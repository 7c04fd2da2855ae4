// The main window's language: choosing the translation file, and its captions.
#include "common/TextLines.h"
#include "forms/Entries.h"
#include "forms/Unit1.h"
#include "platform/System.h"
#include "ui/Application.h"

namespace torvexa {
namespace {

// Remembers the chosen translation file, in the working folder.
constexpr const char* kLanguageChoice = "langopt.zel";

// Built-in texts: they must reach the user when no translation does. Lines end with CR alone.
constexpr const char* kLanguageFileMissing =
    "Die gewaehle Sprachdatei wurde nicht gefunden!\r"
    "Starten Sie Torvexa neu!\r"
    "\r"
    "Languagefile not found!\r"
    "Please restart Torvexa";
constexpr const char* kLanguageFileIncompatible =
    "Die gewaehlte Sprachdatei ist nicht mit dieser Programmversion kompatibel!\r"
    "Sie k\xF6nnen Torvexa zwar verwenden, allerdings sind m\xF6glicherweise nicht alle Elemente "
    "beschriftet/richtig beschriftet!";

}  // namespace

void TForm1::initialiseLanguage() {
    if (system_.isFile(kLanguageChoice)) {
        const std::vector<std::string> lines = splitTextLines(system_.readFile(kLanguageChoice), 1);
        loadTranslationFile(lines.empty() ? std::string() : lines.front());
        return;
    }
    chooseTranslationFile();
}

void TForm1::chooseTranslationFile() {
    // On the dialog path every failure ends the choice silently. The remembered file is
    // replaced only by one that was loaded, so a cancelled or unreadable choice keeps the
    // language in use at the next start too.
    try {
        const std::optional<std::string> chosen = dialogs_.chooseFile(OpenDialog1);
        if (!chosen || !loadTranslationFile(*chosen)) return;
        system_.writeFile(kLanguageChoice, *chosen + "\r\n");
    } catch (const std::exception&) {
    }
}

void TForm1::SpeedButton11Click() { chooseTranslationFile(); }

bool TForm1::loadTranslationFile(const std::string& path) {
    if (path.empty() || !system_.isFile(path)) {
        dialogs_.errorBox(kLanguageFileMissing);
        system_.deleteFile(kLanguageChoice);
        application_.terminate();
        return false;
    }
    catalogue_.load(system_.readFile(path));
    const bool complete = applyCaptions();
    settings_.showTranslatedChoices();
    if (!complete ||
        trimmed(catalogue_.entry(entries::LanguageVersion)) != trimmed(Label24.caption())) {
        dialogs_.errorBox(kLanguageFileIncompatible);
    }
    return true;
}

std::vector<CaptionTarget> TForm1::otherCaptions() {
    // The pass looks each entry up afresh and stops at the first one the file lacks. The
    // captions of the setting controls and their labels come from the setting table, each
    // before the first caption here with a later entry.
    using namespace entries;
    return {
        {MenuLoad, &Laden1},
        {MenuSave, &Sichern1},
        {MenuQuit, &Beenden1},
        {MenuInfo, &Info1},
        {PageGeneral, &SpeedButton4},
        {PageGraphicsQuality, &SpeedButton5},
        {PageObjects, &SpeedButton6},
        // Scale marks of the mirror view's slider.
        {MirrorViewWide, &Label16},
        {MirrorViewNormal, &Label18},
        {MirrorViewZoom, &Label17},
        // The Info page: each value right after its label.
        {LanguageFileGroup, &GroupBox2},
        {LanguageLabel, &Label22},
        {LanguageName, &Label27},
        {AuthorLabel, &Label3},
        {AuthorLabel, &Label23},
        {Translator, &Label28},
        {VersionLabel, &Label2},
        {PageManual, &SpeedButton9},
        {NewValueLabel, &Label29},
        {ApplyValue, &SpeedButton10},
        {DescriptionLabel, &Label32},
        {PreviewHeading, &Label8},
        {WriteToUs, &Label9},
        {ProgramGroup, &GroupBox1},
        {OptimiseMenu, &f1graphicscfgoptimieren1},
        {DoubleFilteringLines, &Label37},
        {HelpButton, &Button1},
        {HelpButton, &Button2},
        {ChooseLanguageFile, &SpeedButton11},
        {MoreAt, &Label30},
        {MenuSaveBackup, &Backupsichern1},
        {MenuRestoreBackup, &Backupladen1},
        {MenuFile, &Datei1},
        {MenuExtras, &Extras1},
    };
}

bool TForm1::applyCaptions() {
    // Captions that came after the first translation files: a file without them keeps the
    // German ones, and is complete all the same.
    const std::pair<int, Control*> added[] = {{entries::GameLabel, &GameLabel},
                                              {entries::GameFolder, &GameFolderButton},
                                              {entries::NoGameFound, &NoGameLabel}};
    for (const auto& [entry, control] : added) {
        if (entry < catalogue_.count() && !trimmed(catalogue_.entry(entry)).empty())
            control->setCaption(catalogue_.entry(entry));
    }
    try {
        putCaptions(catalogue_, captionPass_);
    } catch (const std::exception&) {
        return false;
    }
    return true;
}

void TForm1::nameFieldsForReaders() {
    // A screen reader names an edit, a drop-down, a list, a slider or an up-down by the label
    // before it, never by its own text: each field and the control whose caption names it, so
    // that the name follows the language. The setting table names its fields; where no label
    // of its own stands beside a field, the caption nearest in meaning names it (the view
    // shows that name on no screen).
    settings_.nameFieldsForReaders();
    const std::pair<Control*, Control*> names[] = {
        // The manual page. Its three columns have no captions: the line numbers take the
        // page's, "Manuell bearbeiten"; the values the value box's, "Neuer Wert:"; the comments
        // the description's, "Beschreibung:", which shows the selected line's comment.
        {&GameBox, &GameLabel},      // "Spiel:"
        {&ListBox5, &SpeedButton9},  // "Manuell bearbeiten"
        {&ListBox1, &Label29},       // "Neuer Wert:"
        {&ListBox4, &Label32},       // "Beschreibung:"
        {&edit1, &Label29},          // the value box
        {&edit2, &Label32},          // the description
    };
    for (const auto& [field, caption] : names)
        field->setNamedBy(*caption);
}

}  // namespace torvexa
