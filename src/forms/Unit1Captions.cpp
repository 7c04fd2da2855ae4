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
    if (!complete ||
        trimmed(catalogue_.entry(entries::LanguageVersion)) != trimmed(Label24.caption())) {
        dialogs_.errorBox(kLanguageFileIncompatible);
    }
    return true;
}

std::vector<TForm1::CaptionTarget> TForm1::captionTargets() {
    // The entry of each caption, in the order of the pass: each entry is looked up afresh, and
    // the pass stops at the first entry the file lacks.
    return {
        {3, &Laden1},
        {4, &Sichern1},
        {5, &Beenden1},
        {6, &Info1},
        {7, &SpeedButton4},
        {8, &SpeedButton5},
        {9, &SpeedButton6},
        {10, &CheckBox3},
        {11, &CheckBox1},
        {12, &CheckBox2},
        {13, &CheckBox8},
        {14, &CheckBox12},
        {15, &Label6},
        {entries::ReflectionsByProcessor, &ComboBox3, 0},
        {entries::ReflectionsByGraphicsCard, &ComboBox3, 1},
        {entries::ReflectionsByBoth, &ComboBox3, 2},
        {18, &Label1},
        {19, &Label4},
        {20, &Label5},
        {21, &CheckBox4},
        {22, &CheckBox5},
        {23, &CheckBox6},
        {24, &CheckBox7},
        {25, &CheckBox9},
        {26, &CheckBox10},
        {27, &CheckBox11},
        {28, &Label19},
        {29, &ComboBox4, 0},
        {30, &ComboBox4, 1},
        {31, &ComboBox4, 2},
        {32, &Label20},
        {33, &ComboBox5, 0},
        {34, &ComboBox5, 1},
        {35, &Label21},
        {36, &ComboBox6, 0},
        {37, &ComboBox6, 1},
        {38, &ComboBox6, 2},
        {39, &ComboBox6, 3},
        {40, &Label14},
        {41, &Label16},
        {42, &Label18},
        {43, &Label17},
        {44, &GroupBox2},
        {45, &Label22},
        {entries::LanguageName, &Label27},
        {46, &Label3},
        {46, &Label23},
        {entries::Translator, &Label28},
        {47, &Label2},
        {48, &CheckBox13},
        {49, &CheckBox14},
        {50, &CheckBox15},
        {51, &CheckBox16},
        {52, &CheckBox17},
        {53, &SpeedButton9},
        {54, &Label29},
        {55, &SpeedButton10},
        {56, &Label32},
        {57, &Label35},
        {58, &Label8},
        {59, &Label9},
        {60, &GroupBox1},
        {62, &f1graphicscfgoptimieren1},
        {72, &CheckBox18},
        {73, &CheckBox19},
        {74, &CheckBox20},
        {75, &Label37},
        {78, &Button1},
        {78, &Button2},
        {79, &SpeedButton11},
        {80, &Label30},
        {85, &Label38},
        {88, &Backupsichern1},
        {89, &Backupladen1},
        {90, &Datei1},
        {91, &Extras1},
    };
}

bool TForm1::applyCaptions() {
    try {
        for (const CaptionTarget& target : captionTargets_) {
            const std::string& text = catalogue_.entry(target.entry);
            if (target.item >= 0)
                static_cast<ComboBox*>(target.control)->setItem(target.item, text);
            else
                target.control->setCaption(text);
        }
    } catch (const std::exception&) {
        return false;
    }
    return true;
}

void TForm1::nameFieldsForReaders() {
    // A screen reader names an edit, a drop-down, a list, a slider or an up-down by the label
    // before it, never by its own text: each field and the control whose caption names it, so
    // that the name follows the language. Where no label of its own stands beside a field, the
    // caption nearest in meaning names it (the view shows that name on no screen).
    const std::pair<Control*, Control*> names[] = {
        // Allgemein: the number for line 27 and its arrows by the check box beside them,
        // "Zeile 27 setzen auf:".
        {&Edit3, &CheckBox20},
        {&UpDown1, &CheckBox20},
        {&ComboBox3, &Label6},  // "Reflektionen werden erzeugt von:"
        // Grafikqualität
        {&aufloesung, &Label1},  // "Auflösung:"
        {&ComboBox1, &Label4},   // "Texturqualität:"
        {&ComboBox2, &Label5},   // "Entfernung fuer geringere Grafikqualität:"
        {&TrackBar3, &Label38},  // "Weichzeichnung:"
        // Objekte
        {&ComboBox4, &Label19},  // "Streckenkarte:"
        {&ComboBox5, &Label20},  // "Lenkrad anzeigen:"
        {&ComboBox6, &Label21},  // "Regentropfeneffekt:"
        {&TrackBar1, &Label14},  // "Spiegel/Spiegelfunktion:"
        {&TrackBar2, &Label35},  // "Zeile 49 (Prozent):"
        // The manual page. Its three columns have no captions: the line numbers take the
        // page's, "Manuell bearbeiten"; the values the value box's, "Neuer Wert:"; the comments
        // the description's, "Beschreibung:", which shows the selected line's comment.
        {&ListBox5, &SpeedButton9},
        {&ListBox1, &Label29},
        {&ListBox4, &Label32},
        {&edit1, &Label29},  // "Neuer Wert:"
        {&edit2, &Label32},  // "Beschreibung:"
    };
    for (const auto& [field, caption] : names)
        field->setNamedBy(*caption);
}

}  // namespace torvexa
