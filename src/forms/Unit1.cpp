#include "forms/Unit1.h"

#include "common/TextLines.h"
#include "forms/Unit2.h"
#include "forms/Unit3.h"
#include "platform/System.h"
#include "ui/Application.h"

namespace torvexa {
namespace {

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

TForm1::TForm1(Application& application, System& system, Dialogs& dialogs)
    : Form("Form1", {286, 171, 587, 259}, "ZEL Torvexa",
           {.font = style::kArial, .colour = Colour::ButtonFace}),
      application_(application),
      system_(system),
      dialogs_(dialogs) {
    // The window opens on the Info page; the other pages wait for a page command.
    for (Panel* page : {&Panel4, &Panel2, &Panel5, &Panel1})
        page->setVisible(false);
    for (SpeedButton* button : {&SpeedButton4, &SpeedButton5, &SpeedButton6, &SpeedButton9}) {
        button->setVisible(false);
    }
    Edit3.setEnabled(false);
    UpDown1.setEnabled(false);
    SpeedButton12.setEnabled(false);

    SpeedButton4.OnClick = [this] { SpeedButton4Click(); };
    SpeedButton5.OnClick = [this] { SpeedButton5Click(); };
    SpeedButton6.OnClick = [this] { SpeedButton6Click(); };
    SpeedButton9.OnClick = [this] { SpeedButton9Click(); };
    SpeedButton12.OnClick = [this] { SpeedButton12Click(); };
    Beenden1.OnClick = [this] { Beenden1Click(); };
    f1graphicscfgoptimieren1.OnClick = [this] { f1graphicscfgoptimieren1Click(); };
    Info1.OnClick = [this] { Info1Click(); };
    SpeedButton11.OnClick = [this] { SpeedButton11Click(); };
}

void TForm1::attachDialogs(TForm2& form2, TForm3& form3) {
    Form2_ = &form2;
    Form3_ = &form3;
}

void TForm1::FormCreate() {
    game_.lookUp(system_);
    initialiseLanguage();
}

void TForm1::initialiseLanguage() {
    if (system_.isFile(kLanguageChoice)) {
        const std::vector<std::string> lines = splitTextLines(system_.readFile(kLanguageChoice), 1);
        loadTranslationFile(lines.empty() ? std::string() : lines.front());
        return;
    }
    // On the dialog path every failure ends the choice silently.
    try {
        const std::optional<std::string> chosen = dialogs_.chooseFile(OpenDialog1);
        if (!chosen || loadTranslationFile(*chosen)) return;
        system_.writeFile(kLanguageChoice, *chosen + "\r\n");
    } catch (const std::exception&) {
    }
}

bool TForm1::loadTranslationFile(const std::string& path) {
    if (path.empty() || !system_.isFile(path)) {
        dialogs_.errorBox(kLanguageFileMissing);
        system_.deleteFile(kLanguageChoice);
        application_.terminate();
        return true;
    }
    catalogue_.load(system_.readFile(path));
    const bool complete = applyCaptions();
    if (!complete || trimmed(catalogue_.entry(2)) != trimmed(Label24.caption())) {
        dialogs_.errorBox(kLanguageFileIncompatible);
    }
    return false;
}

std::vector<TForm1::CaptionTarget> TForm1::captionTargets() {
    // The order of the pass: each entry is looked up afresh, and the pass stops at the first
    // entry the file lacks.
    return {
        {3, &Laden1},          {4, &Sichern1},      {5, &Beenden1},
        {6, &Info1},           {7, &SpeedButton4},  {8, &SpeedButton5},
        {9, &SpeedButton6},    {10, &CheckBox3},    {11, &CheckBox1},
        {12, &CheckBox2},      {13, &CheckBox8},    {14, &CheckBox12},
        {15, &Label6},         {16, &ComboBox3, 0}, {17, &ComboBox3, 1},
        {71, &ComboBox3, 2},   {18, &Label1},       {19, &Label4},
        {20, &Label5},         {21, &CheckBox4},    {22, &CheckBox5},
        {23, &CheckBox6},      {24, &CheckBox7},    {25, &CheckBox9},
        {26, &CheckBox10},     {27, &CheckBox11},   {28, &Label19},
        {29, &ComboBox4, 0},   {30, &ComboBox4, 1}, {31, &ComboBox4, 2},
        {32, &Label20},        {33, &ComboBox5, 0}, {34, &ComboBox5, 1},
        {35, &Label21},        {36, &ComboBox6, 0}, {37, &ComboBox6, 1},
        {38, &ComboBox6, 2},   {39, &ComboBox6, 3}, {40, &Label14},
        {41, &Label16},        {42, &Label18},      {43, &Label17},
        {44, &GroupBox2},      {45, &Label22},      {0, &Label27},
        {46, &Label3},         {46, &Label23},      {1, &Label28},
        {47, &Label2},         {48, &CheckBox13},   {49, &CheckBox14},
        {50, &CheckBox15},     {51, &CheckBox16},   {52, &CheckBox17},
        {53, &SpeedButton9},   {54, &Label29},      {55, &SpeedButton10},
        {56, &Label32},        {57, &Label35},      {58, &Label8},
        {59, &Label9},         {60, &GroupBox1},    {62, &f1graphicscfgoptimieren1},
        {72, &CheckBox18},     {73, &CheckBox19},   {74, &CheckBox20},
        {75, &Label37},        {78, &Button1},      {78, &Button2},
        {79, &SpeedButton11},  {80, &Label30},      {85, &Label38},
        {88, &Backupsichern1}, {89, &Backupladen1}, {90, &Datei1},
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

void TForm1::showPage(Panel& page, SpeedButton* button, const Font& currentStyle) {
    for (Panel* panel : {&Panel1, &Panel2, &Panel4, &Panel5, &Panel6})
        panel->setVisible(false);
    page.setVisible(true);
    SpeedButton4.setFont(style::kArialBold);
    SpeedButton5.setFont(style::kArialBold);
    SpeedButton6.setFont(style::kArialBold);
    SpeedButton9.setFont(style::kArial);
    if (button) button->setFont(currentStyle);
}

void TForm1::SpeedButton4Click() {
    showPage(Panel1, &SpeedButton4, style::kArialBoldItalic);
}
void TForm1::SpeedButton5Click() {
    showPage(Panel4, &SpeedButton5, style::kArialBoldItalic);
}
void TForm1::SpeedButton6Click() {
    showPage(Panel5, &SpeedButton6, style::kArialBoldItalic);
}
void TForm1::SpeedButton9Click() {
    showPage(Panel2, &SpeedButton9, style::kArialItalic);
}
void TForm1::Info1Click() {
    showPage(Panel6, nullptr, style::kArial);
}

void TForm1::Beenden1Click() {
    application_.terminate();
}

void TForm1::f1graphicscfgoptimieren1Click() {
    if (Form2_) Form2_->showInFront();
}

void TForm1::SpeedButton12Click() {
    if (Form3_) Form3_->showInFront();
}

void TForm1::SpeedButton11Click() {
    system_.deleteFile(kLanguageChoice);
    initialiseLanguage();
}

const Panel* TForm1::pageOnView() const {
    const Panel* onView = nullptr;
    for (const Panel* page : {&Panel4, &Panel2, &Panel5, &Panel1, &Panel6}) {
        if (page->visible()) onView = page;
    }
    return onView;
}

}  // namespace torvexa
