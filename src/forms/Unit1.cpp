#include "forms/Unit1.h"

#include "common/Integer.h"
#include "common/TextLines.h"
#include "forms/Unit2.h"
#include "forms/Unit3.h"
#include "platform/System.h"
#include "ui/Application.h"

namespace torvexa {
namespace {

constexpr const char* kLanguageChoice = "langopt.zel";
constexpr int kPauseBetweenPasses = 100;  // milliseconds

constexpr const char* kNothingToSave =
    "Es wurde noch keine f1graphics.cfg vollst\xE4ndig geladen, daher wurde nichts gespeichert.\r"
    "No f1graphics.cfg has been loaded completely, so nothing was saved.";

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
    Laden1.OnClick = [this] { Laden1Click(); };
    Sichern1.OnClick = [this] { Sichern1Click(); };
    Backupsichern1.OnClick = [this] { Backupsichern1Click(); };
    Backupladen1.OnClick = [this] { Backupladen1Click(); };
    ListBox1.OnClick = [this] { ListBox1Click(); };
    ListBox4.OnClick = [this] { ListBox4Click(); };
    ListBox5.OnClick = [this] { ListBox5Click(); };
    SpeedButton10.OnClick = [this] { SpeedButton10Click(); };
    connectBindings();
    showDocument();
}

void TForm1::showDocument() {
    // The three lists show the document itself.
    ListBox5.showItems(&document_.lineNumbers());
    ListBox1.showItems(&document_.values());
    ListBox4.showItems(&document_.comments());
    document_.setObserver([this](const ConfigDocument::Change& change) {
        if (!change.lines) {  // only values change between loads
            ListBox1.rowChanged(change.row);
            return;
        }
        for (ListBox* list : {&ListBox5, &ListBox1, &ListBox4})
            list->rowsChanged();
    });
}

void TForm1::connectBindings() {
    CheckBox3.OnClick = [this] { CheckBox3Click(); };
    CheckBox1.OnClick = [this] { CheckBox1Click(); };
    CheckBox2.OnClick = [this] { CheckBox2Click(); };
    CheckBox8.OnClick = [this] { CheckBox8Click(); };
    CheckBox12.OnClick = [this] { CheckBox12Click(); };
    CheckBox18.OnClick = [this] { CheckBox18Click(); };
    CheckBox19.OnClick = [this] { CheckBox19Click(); };
    CheckBox15.OnClick = [this] { CheckBox15Click(); };
    CheckBox16.OnClick = [this] { CheckBox16Click(); };
    CheckBox17.OnClick = [this] { CheckBox17Click(); };
    CheckBox4.OnClick = [this] { CheckBox4Click(); };
    CheckBox5.OnClick = [this] { CheckBox5Click(); };
    CheckBox6.OnClick = [this] { CheckBox6Click(); };
    CheckBox7.OnClick = [this] { CheckBox7Click(); };
    CheckBox9.OnClick = [this] { CheckBox9Click(); };
    CheckBox10.OnClick = [this] { CheckBox10Click(); };
    CheckBox11.OnClick = [this] { CheckBox11Click(); };
    CheckBox13.OnClick = [this] { CheckBox13Click(); };
    CheckBox14.OnClick = [this] { CheckBox14Click(); };
    CheckBox20.OnClick = [this] { CheckBox20Click(); };
    Edit3.OnChange = [this] { Edit3Change(); };
    aufloesung.OnChange = [this] { aufloesungChange(); };
    ComboBox1.OnChange = [this] { ComboBox1Change(); };
    ComboBox2.OnChange = [this] { ComboBox2Change(); };
    ComboBox3.OnChange = [this] { ComboBox3Change(); };
    ComboBox4.OnChange = [this] { ComboBox4Change(); };
    ComboBox5.OnChange = [this] { ComboBox5Change(); };
    ComboBox6.OnChange = [this] { ComboBox6Change(); };
    TrackBar1.OnChange = [this] { TrackBar1Change(); };
    TrackBar2.OnChange = [this] { TrackBar2Change(); };
    TrackBar3.OnChange = [this] { TrackBar3Change(); };
    Button1.OnClick = [this] { Button1Click(); };
    Button2.OnClick = [this] { Button2Click(); };
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

void TForm1::SpeedButton4Click() { showPage(Panel1, &SpeedButton4, style::kArialBoldItalic); }
void TForm1::SpeedButton5Click() { showPage(Panel4, &SpeedButton5, style::kArialBoldItalic); }
void TForm1::SpeedButton6Click() { showPage(Panel5, &SpeedButton6, style::kArialBoldItalic); }
void TForm1::SpeedButton9Click() { showPage(Panel2, &SpeedButton9, style::kArialItalic); }
void TForm1::Info1Click() { showPage(Panel6, nullptr, style::kArial); }

void TForm1::Beenden1Click() { application_.terminate(); }

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

// ---- Load and save

void TForm1::readDocument() {
    documentRead_ = false;
    document_.clear();
    document_.append(system_.readFile(game_.configPath()));
    documentRead_ = true;
}

void TForm1::Laden1Click() {
    game_.lookUp(system_);
    resetStep();
    readDocument();
    applyStep();
    // The first pass starts from whatever the controls showed before; the second starts from
    // the first pass's states on a fresh copy of the file, which undoes the first pass's writes.
    system_.sleep(kPauseBetweenPasses);
    resetStep();
    readDocument();
    for (SpeedButton* button : {&SpeedButton4, &SpeedButton5, &SpeedButton6, &SpeedButton9}) {
        button->setVisible(true);
    }
    applyStep();
}

void TForm1::Sichern1Click() { save(); }

bool TForm1::save() {
    // An empty or half-read document would replace the game's file with nothing or a part.
    if (!documentRead_) {
        dialogs_.errorBox(kNothingToSave);
        return false;
    }
    system_.writeFile(game_.configPath(), document_.serialize());
    return true;
}

// ---- Backup copies

void TForm1::Backupsichern1Click() {
    game_.lookUp(system_);
    system_.copyFile(game_.configPath(), game_.backupPath());
}

void TForm1::Backupladen1Click() {
    game_.lookUp(system_);
    if (system_.isFile(game_.backupPath())) {
        // A failed copy is reported, and the load shows what the file holds now.
        application_.perform([this] { system_.copyFile(game_.backupPath(), game_.configPath()); });
    } else {
        dialogs_.errorBox(catalogue_.entry(87));
    }
    Laden1Click();
}

// ---- The manual editing page

void TForm1::moveList(ListBox& list, int row) {
    // To the top first, so that the three lists end up scrolled alike.
    list.setItemIndex(0);
    list.setItemIndex(row);
}

void TForm1::followSelection(ListBox& clicked, ListBox& other) {
    moveList(ListBox5, clicked.itemIndex());
    moveList(other, clicked.itemIndex());
    moveList(clicked, other.itemIndex());
}

void TForm1::showSelectedLine() {
    edit1.setText(document_.value(ListBox1.itemIndex()));
    edit2.setText(document_.comment(ListBox4.itemIndex()));
}

void TForm1::ListBox1Click() {
    followSelection(ListBox1, ListBox4);
    showSelectedLine();
}

void TForm1::ListBox4Click() {
    followSelection(ListBox4, ListBox1);
    showSelectedLine();
}

void TForm1::ListBox5Click() {
    moveList(ListBox1, ListBox5.itemIndex());
    moveList(ListBox4, ListBox5.itemIndex());
    moveList(ListBox5, ListBox1.itemIndex());
}

void TForm1::SpeedButton10Click() {
    if (ListBox1.itemIndex() < 0) return;  // no line chosen: nothing to apply to
    document_.putValue(ListBox1.itemIndex(), edit1.text());
}

// ---- Setting bindings

void TForm1::writeFlag(int index, const CheckBox& box) {
    document_.putValue(index, box.checked() ? "1" : "0");
}

void TForm1::CheckBox3Click() { writeFlag(0, CheckBox3); }
void TForm1::CheckBox1Click() { writeFlag(3, CheckBox1); }
void TForm1::CheckBox2Click() { writeFlag(5, CheckBox2); }
void TForm1::CheckBox8Click() { writeFlag(4, CheckBox8); }

void TForm1::CheckBox12Click() {
    const char* filtering = CheckBox12.checked() ? "2" : "0";
    document_.putValue(93, filtering);
    document_.putValue(94, filtering);
}

void TForm1::CheckBox18Click() { writeFlag(26, CheckBox18); }
void TForm1::CheckBox19Click() { writeFlag(33, CheckBox19); }
// Inverted: a tick writes "0".
void TForm1::CheckBox15Click() { document_.putValue(25, CheckBox15.checked() ? "0" : "1"); }
void TForm1::CheckBox16Click() { writeFlag(34, CheckBox16); }
void TForm1::CheckBox17Click() { writeFlag(37, CheckBox17); }

void TForm1::CheckBox4Click() {
    CheckBox5.setEnabled(CheckBox4.checked());
    writeFlag(43, CheckBox4);
}

void TForm1::CheckBox5Click() { writeFlag(50, CheckBox5); }

void TForm1::CheckBox6Click() {
    writeFlag(60, CheckBox6);
    if (CheckBox6.checked()) {
        CheckBox7.setEnabled(true);
    } else {
        CheckBox7.setEnabled(false);
        CheckBox7.setChecked(false);
    }
}

void TForm1::CheckBox7Click() {
    writeFlag(67, CheckBox7);
    writeFlag(77, CheckBox7);
    SpeedButton12.setEnabled(CheckBox7.checked());
}

void TForm1::CheckBox9Click() { writeFlag(109, CheckBox9); }
void TForm1::CheckBox10Click() { writeFlag(121, CheckBox10); }
void TForm1::CheckBox11Click() { writeFlag(107, CheckBox11); }

void TForm1::CheckBox13Click() {
    writeFlag(102, CheckBox13);
    writeFlag(165, CheckBox13);
}

void TForm1::CheckBox14Click() { writeFlag(59, CheckBox14); }

void TForm1::CheckBox20Click() {
    if (CheckBox20.checked()) {
        UpDown1.setEnabled(true);
        Edit3.setEnabled(true);
        Edit3.setText("4");
        UpDown1.setPosition(4);
        UpDown1.setEnabled(true);
    } else {
        dialogs_.informationBox(catalogue_.entry(76));
        UpDown1.setEnabled(false);
        Edit3.setEnabled(false);
        Edit3.setText("0");
        UpDown1.setEnabled(false);
    }
}

void TForm1::Edit3Change() {
    // Whatever is typed goes to the document unchecked; a failed write is swallowed.
    try {
        document_.putValue(27, Edit3.text());
    } catch (const std::exception&) {
    }
}

void TForm1::aufloesungChange() {
    static const std::pair<const char*, std::pair<const char*, const char*>> kResolutions[] = {
        {"800x600", {"800", "600"}}, {"1024x768", {"1024", "768"}}, {"1152x864", {"1152", "864"}}};
    for (const auto& [text, size] : kResolutions) {
        if (aufloesung.text() != text) continue;
        document_.putValue(1, size.first);
        document_.putValue(2, size.second);
        return;
    }
}

void TForm1::ComboBox1Change() {
    static const char* const kTextureValues[] = {"0", "2", "4", "8"};
    const int item = ComboBox1.itemIndex();
    if (item >= 0 && item < 4) document_.putValue(23, kTextureValues[item]);
}

void TForm1::ComboBox2Change() { document_.putValue(101, ComboBox2.text()); }

void TForm1::ComboBox3Change() {
    const std::string& text = ComboBox3.text();
    if (text == catalogue_.entry(17))
        document_.putValue(53, "3");
    else if (text == catalogue_.entry(16))
        document_.putValue(53, "2");
    else if (text == catalogue_.entry(71))
        document_.putValue(53, "4");
}

void TForm1::ComboBox4Change() { document_.putValue(51, integerText(ComboBox4.itemIndex())); }
void TForm1::ComboBox5Change() { document_.putValue(117, integerText(ComboBox5.itemIndex())); }
void TForm1::ComboBox6Change() { document_.putValue(123, integerText(ComboBox6.itemIndex())); }

void TForm1::TrackBar1Change() {
    document_.putValue(46, integerText(TrackBar1.position()));
    Label15.setCaption(integerText(TrackBar1.position()));
}

void TForm1::TrackBar2Change() {
    document_.putValue(49, integerText(TrackBar2.position()));
    Label36.setCaption(integerText(TrackBar2.position()) + "%");
}

void TForm1::TrackBar3Change() {
    document_.putValue(30, integerText(TrackBar3.position()));
    Label39.setCaption(TrackBar3.position() > 0 ? integerText(TrackBar3.position())
                                                : catalogue_.entry(86));
}

void TForm1::Button1Click() { dialogs_.informationBox(catalogue_.entry(76)); }
void TForm1::Button2Click() { dialogs_.informationBox(catalogue_.entry(77)); }

void TForm1::resetStep() {
    for (CheckBox* box : {&CheckBox1, &CheckBox2, &CheckBox3, &CheckBox4, &CheckBox5})
        box->setChecked(false);
}

void TForm1::applyStep() {
    // The order matters: handlers run as each control changes, and a later step reads what an
    // earlier handler wrote.
    const auto flag = [this](CheckBox& box, int index, const char* on = "1") {
        box.setChecked(value(index) == on);
    };
    const auto number = [this](int index) { return toInteger(value(index)); };

    if (value(1) == "800")
        aufloesung.setText("800x600");
    else if (value(1) == "1024")
        aufloesung.setText("1024x768");
    else if (value(1) == "1152")
        aufloesung.setText("1152x864");
    flag(CheckBox3, 0);
    flag(CheckBox1, 3);
    flag(CheckBox2, 5);
    flag(CheckBox18, 26);
    if (value(23) == "0")
        ComboBox1.setText("100%");
    else if (value(23) == "2")
        ComboBox1.setText("50%");
    else if (value(23) == "4")
        ComboBox1.setText("25%");
    else if (value(23) == "8")
        ComboBox1.setText("12.5%");
    ComboBox2.setText(value(101));
    if (value(53) == "3")
        ComboBox3.setText(catalogue_.entry(17));
    else if (value(53) == "4")
        ComboBox3.setText(catalogue_.entry(71));
    else
        ComboBox3.setText(catalogue_.entry(16));
    if (value(50) == "1") CheckBox5.setChecked(true);
    if (value(43) == "0") {
        CheckBox4.setChecked(false);
        CheckBox5.setEnabled(false);
    } else {
        CheckBox4.setChecked(true);
    }
    if (value(60) == "1") {
        CheckBox7.setEnabled(true);
        CheckBox6.setChecked(true);
    } else {
        CheckBox7.setEnabled(false);
        CheckBox6.setChecked(false);
    }
    flag(CheckBox7, 67);
    flag(CheckBox8, 4);
    TrackBar1.setPosition(number(46));
    Form3_->TrackBar1.setPosition(number(78));
    Form3_->TrackBar2.setPosition(number(81));
    Form3_->TrackBar3.setPosition(number(84));
    TrackBar3.setPosition(number(30));
    ComboBox4.setItemIndex(number(51));
    ComboBox5.setItemIndex(number(117));
    ComboBox6.setItemIndex(number(123));
    flag(CheckBox9, 109);
    flag(CheckBox10, 121);
    flag(CheckBox11, 107);
    flag(CheckBox12, 93, "2");
    flag(CheckBox13, 102);
    flag(CheckBox14, 59);
    flag(CheckBox15, 25, "0");
    flag(CheckBox16, 34);
    flag(CheckBox17, 37);
    flag(CheckBox19, 33);
    if (value(27) == "0") {
        CheckBox20.setChecked(false);
    } else {
        UpDown1.setPosition(number(27));
        UpDown1.setEnabled(true);
        Edit3.setEnabled(true);
        CheckBox20.setChecked(true);
    }
    TrackBar2.setPosition(number(49));
}

const Panel* TForm1::pageOnView() const {
    const Panel* onView = nullptr;
    for (const Panel* page : {&Panel4, &Panel2, &Panel5, &Panel1, &Panel6}) {
        if (page->visible()) onView = page;
    }
    return onView;
}

}  // namespace torvexa
