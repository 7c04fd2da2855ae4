#pragma once

#include <array>
#include <optional>

#include "config/ConfigDocument.h"
#include "config/GameInstall.h"
#include "forms/Settings.h"
#include "forms/Styles.h"
#include "lang/Catalogue.h"
#include "platform/System.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"
#include "ui/Form.h"

namespace torvexa {

class Application;
class TForm2;
class TForm3;

// The main window: the menu, the navigation strip with its page buttons, and five pages that
// share the area right of it. Controls are declared in creation order; a later one lies above
// an earlier one where they overlap.
class TForm1 : public Form {
  public:
    TForm1(Application& application, System& system, Dialogs& dialogs);

    // ---- Page "Grafikqualität"
    Panel Panel4{this, "Panel4", {129, 0, 458, 259}, style::kSkyBlue};
    Label Label1{&Panel4, "Label1", {8, 16, 53, 14}, "Aufl\xF6sung:"};
    ComboBox aufloesung{&Panel4,
                        "aufloesung",
                        {256, 16, 97, 22},
                        ComboBox::Style::Editable,
                        {"800x600", "1024x768", "1152x864"}};
    Label Label4{&Panel4, "Label4", {8, 40, 68, 14}, "Texturqualit\xE4t:"};
    ComboBox ComboBox1{&Panel4,
                       "ComboBox1",
                       {256, 40, 97, 22},
                       ComboBox::Style::Editable,
                       {"100%", "50%", "25%", "12.5%"}};
    Label Label5{
        &Panel4, "Label5", {8, 68, 194, 14}, "Entfernung fuer geringere Grafikqualit\xE4t:"};
    ComboBox ComboBox2{&Panel4,
                       "ComboBox2",
                       {256, 64, 97, 22},
                       ComboBox::Style::Editable,
                       {"", "100", "200", "300", "400", "500", "600", "700", "800", "900", "1000",
                        "1100", "1200", "1300", "1400", "1500", "2000", "3000", "4000"}};
    CheckBox CheckBox17{&Panel4, "CheckBox17", {8, 96, 441, 17}, "CheckBox17"};
    CheckBox CheckBox15{&Panel4, "CheckBox15", {8, 120, 441, 17}, "CheckBox15"};
    CheckBox CheckBox16{&Panel4, "CheckBox16", {8, 144, 441, 17}, "CheckBox16"};
    Label Label38{&Panel4, "Label38", {8, 168, 83, 14}, "Weichzeichnung:"};
    TrackBar TrackBar3{&Panel4, "TrackBar3", {104, 168, 249, 33}, 0, 8, 1, 0};
    Label Label39{&Panel4, "Label39", {368, 168, 6, 14}, "#"};

    // ---- Manual editing page
    Panel Panel2{this, "Panel2", {129, 0, 458, 259}, style::kButtonFace};
    Panel Panel7{&Panel2, "Panel7", {0, 0, 458, 169}, style::kButtonFace};
    ListBox ListBox5{&Panel7, "ListBox5", {0, 0, 49, 169}, {.frame = Frame::FlatBevelled}};
    ListBox ListBox1{&Panel7, "ListBox1", {49, 0, 65, 169}, {.frame = Frame::FlatBevelled}};
    ListBox ListBox4{&Panel7, "ListBox4", {114, 0, 344, 169}, {.frame = Frame::Flat}};
    Panel Panel8{&Panel2, "Panel8", {0, 169, 458, 90}, style::kMoneyGreen};
    Label Label32{&Panel8, "Label32", {8, 8, 70, 14}, "Beschreibung:"};
    Edit edit2{&Panel8,
               "edit2",
               {80, 8, 369, 49},
               "",
               {.colour = Colour::MoneyGreen, .frame = Frame::FlatBevelled},
               Edit::Lines::Multi};
    Label Label29{&Panel8, "Label29", {8, 64, 3, 14}, ""};
    Edit edit1{&Panel8,
               "edit1",
               {104, 64, 97, 22},
               "",
               {.colour = Colour::Window, .frame = Frame::FlatBevelled}};
    SpeedButton SpeedButton10{&Panel8, "SpeedButton10", {208, 64, 97, 17}, ""};

    // ---- Page "Objekte"
    Panel Panel5{this, "Panel5", {129, 0, 458, 259}, style::kSkyBlue};
    CheckBox CheckBox4{&Panel5, "CheckBox4", {8, 8, 201, 17}, "Spiegel aktivieren"};
    CheckBox CheckBox5{&Panel5, "CheckBox5", {8, 24, 201, 17}, "Spiegel aktivieren (T-Cam)"};
    CheckBox CheckBox6{&Panel5, "CheckBox6", {8, 40, 201, 17}, "Helmvisier aktivieren"};
    CheckBox CheckBox14{&Panel5, "CheckBox14", {8, 56, 201, 17}, "CheckBox14"};
    CheckBox CheckBox9{&Panel5, "CheckBox9", {8, 72, 201, 17}, "Autos im Regen spiegeln"};
    CheckBox CheckBox10{&Panel5, "CheckBox10", {8, 88, 201, 17}, "Himmel anzeigen"};
    CheckBox CheckBox11{
        &Panel5, "CheckBox11", {8, 104, 201, 17}, "Wasserreflektionen(Boden) aktivieren"};
    CheckBox CheckBox13{&Panel5, "CheckBox13", {8, 120, 201, 17}, "CheckBox13"};
    CheckBox CheckBox7{&Panel5, "CheckBox7", {8, 136, 201, 17}, "Helmvisiert\xF6nung aktivieren"};
    SpeedButton SpeedButton12{&Panel5, "SpeedButton12", {216, 136, 89, 17}, "Erweitert"};
    Label Label19{&Panel5, "Label19", {224, 8, 70, 14}, "Streckenkarte:"};
    ComboBox ComboBox4{&Panel5,
                       "ComboBox4",
                       {328, 8, 129, 22},
                       ComboBox::Style::Fixed,
                       {"Aus", "Nur Arcade",
                        "Immer(au\xDF"
                        "er TV-Sicht)"}};
    Label Label20{&Panel5, "Label20", {224, 32, 89, 14}, "Lenkrad anzeigen:"};
    ComboBox ComboBox5{&Panel5,
                       "ComboBox5",
                       {328, 32, 129, 22},
                       ComboBox::Style::Fixed,
                       {"Nur im Cockpit", "Immer"}};
    Label Label21{&Panel5, "Label21", {224, 56, 97, 14}, "Regentropfeneffekt:"};
    ComboBox ComboBox6{&Panel5,
                       "ComboBox6",
                       {328, 56, 129, 22},
                       ComboBox::Style::Fixed,
                       {"Nie", "Nur \"echte\" Kameras",
                        "Alle au\xDF"
                        "er Cockpit",
                        "Alle"}};
    Label Label14{&Panel5, "Label14", {8, 160, 114, 14}, "Spiegel/Spiegelfunktion:"};
    TrackBar TrackBar1{&Panel5, "TrackBar1", {128, 160, 185, 25}, 1, 32, 1, 1};
    Label Label15{&Panel5, "Label15", {320, 160, 41, 14}, ""};
    Shape Shape1{&Panel5, "Shape1", {217, 176, 1, 17}};
    Label Label16{&Panel5, "Label16", {128, 192, 21, 14}, "weit"};
    Label Label18{&Panel5, "Label18", {200, 192, 32, 14}, "normal"};
    Label Label17{&Panel5, "Label17", {296, 192, 26, 14}, "zoom"};
    Label Label35{&Panel5, "Label35", {8, 216, 38, 14}, "Label35"};
    TrackBar TrackBar2{&Panel5, "TrackBar2", {128, 212, 185, 25}, 0, 100, 5, 0};
    Label Label36{&Panel5, "Label36", {320, 208, 3, 14}, ""};
    Label Label34{&Panel5, "Label34", {128, 240, 16, 14}, "0%"};
    Label Label33{&Panel5, "Label33", {296, 240, 28, 14}, "100%"};

    // ---- Page "Allgemein"
    Panel Panel1{this, "Panel1", {129, 0, 458, 259}, style::kSkyBlue};
    CheckBox CheckBox3{&Panel1,
                       "CheckBox3",
                       {8, 8, 449, 17},
                       "f1graphics.cfg kontrolliert ALLE Grafikeinstellungen"};
    CheckBox CheckBox1{&Panel1, "CheckBox1", {8, 48, 449, 17}, "32bit verwenden"};
    CheckBox CheckBox2{&Panel1, "CheckBox2", {8, 72, 449, 17}, "Vollbildmodus"};
    CheckBox CheckBox8{
        &Panel1, "CheckBox8", {8, 96, 449, 17}, "Falls verf\xFCgbar, T&&L aktivieren"};
    CheckBox CheckBox12{&Panel1, "CheckBox12", {8, 120, 449, 17}, "2fache Filterung aktivieren"};
    Label Label37{&Panel1, "Label37", {208, 120, 41, 14}, "", {.fixedSize = true}};
    CheckBox CheckBox18{&Panel1, "CheckBox18", {8, 144, 449, 17}, "CheckBox18"};
    CheckBox CheckBox19{&Panel1, "CheckBox19", {8, 168, 281, 17}, ""};
    Button Button2{&Panel1, "Button2", {288, 168, 73, 17}, "#"};
    CheckBox CheckBox20{&Panel1, "CheckBox20", {8, 192, 193, 17}, ""};
    Edit Edit3{&Panel1, "Edit3", {248, 192, 25, 22}, "1", {.colour = Colour::Window}};
    UpDown UpDown1{&Panel1, "UpDown1", {273, 192, 8, 22}, Edit3, 1, 100, 1};
    Button Button1{&Panel1, "Button1", {288, 192, 73, 17}, "#"};
    Label Label6{&Panel1, "Label6", {8, 228, 164, 14}, "Reflektionen werden erzeugt von:"};
    ComboBox ComboBox3{&Panel1,
                       "ComboBox3",
                       {192, 224, 97, 22},
                       ComboBox::Style::Editable,
                       {"Prozessor", "Grafikkarte", "Komination"}};

    // ---- Info page
    Panel Panel6{this, "Panel6", {129, 0, 458, 259}, style::kSkyBlue};
    GroupBox GroupBox1{&Panel6, "GroupBox1", {8, 8, 201, 57}, "Programm"};
    Label Label2{&GroupBox1, "Label2", {14, 16, 41, 14}, "Version:"};
    Label Label24{&GroupBox1, "Label24", {96, 16, 15, 14}, "0.5"};
    Label Label26{&GroupBox1, "Label26", {128, 16, 35, 14}, "Built 25"};
    Label Label3{&GroupBox1, "Label3", {14, 32, 30, 14}, "Autor:"};
    Label Label25{&GroupBox1, "Label25", {96, 32, 87, 14}, "Torvexa-Team"};
    GroupBox GroupBox2{&Panel6, "GroupBox2", {216, 8, 225, 57}, "Sprachdatei"};
    Label Label22{&GroupBox2, "Label22", {14, 16, 44, 14}, "Sprache:"};
    Label Label27{&GroupBox2, "Label27", {96, 16, 12, 14}, "##"};
    Label Label23{&GroupBox2, "Label23", {14, 32, 30, 14}, "Autor:"};
    Label Label28{&GroupBox2, "Label28", {96, 32, 12, 14}, "##"};
    SpeedButton SpeedButton11{
        &Panel6, "SpeedButton11", {120, 72, 225, 25}, "Andere Sprachdatei w\xE4hlen"};
    Label Label8{&Panel6,
                 "Label8",
                 {56, 105, 353, 32},
                 "VORVERSION",
                 {.font = Font{.height = 27}, .align = Align::Centre, .fixedSize = true}};
    Label Label9{
        &Panel6,
        "Label9",
        {120, 136, 249, 33},
        "Sollten Sie einen Fehler finden oder Vorschl\xE4ge haben, melden Sie sich bitte hier:",
        {.wordWrap = true, .fixedSize = true}};
    Label Label12{&Panel6, "Label12", {120, 172, 31, 14}, "E-Mail:"};
    Label Label10{&Panel6, "Label10", {216, 172, 125, 14}, "torvexa@example.org"};
    Label Label13{&Panel6, "Label13", {120, 188, 20, 14}, "ICQ:"};
    Label Label11{&Panel6, "Label11", {216, 188, 54, 14}, "keine"};
    Label Label30{
        &Panel6,
        "Label30",
        {112, 208, 233, 17},
        "Updates, Sprachpakete, Hilfe, usw. gibt es auf:",
        {.font = Font{.italic = true, .underline = true}, .wordWrap = true, .fixedSize = true}};
    Label Label7{&Panel6, "Label7", {112, 224, 233, 13}, "torvexa.example.org", kLinkLook};
    Label Label31{
        &Panel6, "Label31", {112, 240, 233, 13}, "torvexa.example.org/sprachen", kLinkLook};
    // Which copy of the game "Laden", "Sichern", the backup and the presets use: every copy
    // found, by the name the player knows it by, and any other chosen by its folder.
    // Left of the heading's place, where its text never reaches.
    Label GameLabel{&Panel6, "GameLabel", {8, 122, 46, 14}, "Spiel:", {.fixedSize = true}};
    ComboBox GameBox{&Panel6, "GameBox", {8, 138, 104, 22}, ComboBox::Style::Fixed, {}};
    // Its f1graphics.cfg on this machine: a path, so nothing to translate; empty while no game
    // is found, when NoGameLabel stands in its place.
    Label ConfigPathLabel{&Panel6,
                          "ConfigPathLabel",
                          {8, 164, 104, 66},
                          "",
                          {.wordWrap = true, .fixedSize = true, .path = true}};
    Label NoGameLabel{&Panel6,
                      "NoGameLabel",
                      {8, 164, 104, 66},
                      "Kein Grand Prix 4 gefunden.",
                      {.wordWrap = true, .fixedSize = true}};
    SpeedButton GameFolderButton{
        &Panel6, "GameFolderButton", {8, 234, 104, 17}, "Ordner w\xE4hlen..."};

    // ---- Navigation strip
    Panel Panel3{this, "Panel3", {0, 0, 129, 259}, style::kSkyBlue};
    SpeedButton SpeedButton4{
        &Panel3, "SpeedButton4", {8, 8, 105, 25}, "Allgemein", {.font = style::kArialBold}};
    SpeedButton SpeedButton5{&Panel3,
                             "SpeedButton5",
                             {8, 40, 105, 25},
                             "Grafikqualit\xE4t",
                             {.font = style::kArialBold}};
    SpeedButton SpeedButton6{
        &Panel3, "SpeedButton6", {8, 72, 105, 25}, "Objekte", {.font = style::kArialBold}};
    SpeedButton SpeedButton9{
        &Panel3, "SpeedButton9", {8, 104, 105, 25}, "Manuell bearbeiten", {.font = style::kArial}};

    // ---- The open dialog for translation files
    const FileDialogSettings OpenDialog1{"ZEL Sprachdateien|*.zpr|ZEL Languagefiles|*.txt"};
    // ---- The open dialog for a copy of the game, by its folder's f1graphics.cfg
    const FileDialogSettings OpenDialog2{.filter = "f1graphics.cfg|f1graphics.cfg",
                                         .startInLanguages = false};

    // ---- Main menu
    MainMenu MainMenu1{this, "MainMenu1"};
    MenuItem Datei1{&MainMenu1, "Datei1", "Datei"};
    MenuItem Laden1{&Datei1, "Laden1", "Laden"};
    MenuItem Sichern1{&Datei1, "Sichern1", "Sichern"};
    MenuItem Beenden1{&Datei1, "Beenden1", "Beenden"};
    MenuItem Extras1{&MainMenu1, "Extras1", "Extras"};
    MenuItem Backupsichern1{&Extras1, "Backupsichern1", "Backup sichern"};
    MenuItem Backupladen1{&Extras1, "Backupladen1", "Backup laden"};
    MenuItem f1graphicscfgoptimieren1{&Extras1, "f1graphicscfgoptimieren1",
                                      "f1graphics.cfg optimieren"};
    MenuItem N1{&MainMenu1, "N1", "?"};
    MenuItem Info1{&N1, "Info1", "Info"};

    // ---- Handlers, each in the file of its job: pages and dialogs (Unit1Pages.cpp), captions
    // and language (Unit1Captions.cpp), file commands (Unit1Files.cpp), the manual page
    // (Unit1Manual.cpp), settings (Unit1Settings.cpp; their rows in Unit1SettingTable.cpp).
    void FormCreate() override;
    void SpeedButton4Click();
    void SpeedButton5Click();
    void SpeedButton6Click();
    void SpeedButton9Click();
    void Info1Click();
    void Beenden1Click();
    void f1graphicscfgoptimieren1Click();
    void SpeedButton12Click();
    void SpeedButton11Click();

    void GameBoxChange();
    void GameFolderButtonClick();

    void Laden1Click();
    void Sichern1Click();
    void Backupsichern1Click();
    void Backupladen1Click();

    void ListBox1Click();
    void ListBox4Click();
    void ListBox5Click();
    void ListBox1Scroll();
    void ListBox4Scroll();
    void ListBox5Scroll();
    void SpeedButton10Click();

    // The setting controls not named here (CheckBox1, ComboBox2 …) write their line(s) through
    // the setting table, which connects them (Unit1SettingTable.cpp).
    void CheckBox4Click();
    void CheckBox6Click();
    void CheckBox7Click();
    void CheckBox20Click();
    void Edit3Change();
    void aufloesungChange();
    void aufloesungExit();
    void ComboBox1Exit();
    void ComboBox2Enter();
    void ComboBox2Exit();
    void Edit3Enter();
    void Edit3Exit();
    void ComboBox3Exit();
    void ComboBox3Change();
    void TrackBar1Change();
    void TrackBar2Change();
    void TrackBar3Change();
    void Button1Click();
    void Button2Click();

    // ---- Commands other windows ask for
    // Reads the game's file into the document and shows it in every bound control.
    void load();
    // Writes the document to the game's file; whether it did (it refuses a document not read
    // whole).
    bool save();

    // The load's steps around each read: unchecks CheckBox1 to CheckBox5, each running its
    // handler; then shows the document in every row of the setting table, in its order.
    void uncheckBeforeReading();
    void showFileInControls();

    // A close request from the window manager ends the program like "Beenden".
    void closeRequest() override { Beenden1Click(); }

    // The dialogs, created after the main window.
    void attachDialogs(TForm2& form2, TForm3& form3);

    // The page on view: the last shown page panel in creation order.
    const Panel* pageOnView() const;

    // A page: the control whose caption names it (its page button, or for the Info page the
    // menu item that shows it), its button's font while another page is on view and while it
    // is, and whether it holds setting controls. In the order of the page buttons; a new page
    // is a line here, its panel and button above, and its handler.
    struct Page {
        Panel* panel;
        Control* title;
        SpeedButton* button;  // none for the Info page, which the menu shows
        Font look;
        Font lookOnView;
        bool settings;
    };
    std::array<Page, 5> pages() noexcept {
        using namespace style;
        return {{{&Panel1, &SpeedButton4, &SpeedButton4, kArialBold, kArialBoldItalic, true},
                 {&Panel4, &SpeedButton5, &SpeedButton5, kArialBold, kArialBoldItalic, true},
                 {&Panel5, &SpeedButton6, &SpeedButton6, kArialBold, kArialBoldItalic, true},
                 {&Panel2, &SpeedButton9, &SpeedButton9, kArial, kArialItalic, false},
                 {&Panel6, &Info1, nullptr, kArial, kArial, false}}};
    }

    // Chooses, remembers and reads the translation file, and applies it to this window.
    void initialiseLanguage();
    // Takes up the copy of the game chosen at an earlier start and the folders chosen by hand,
    // and lists every copy found (Unit1Games.cpp).
    void initialiseGames();
    // Uses this copy of the game from now on, remembers it, and loads its file; whether it was
    // found.
    bool chooseGame(const std::string& file);

    const Catalogue& catalogue() const noexcept { return catalogue_; }
    ConfigDocument& document() noexcept { return document_; }
    const GameInstall& game() const noexcept { return game_; }
    // What each bound control stands for in the document, in the order a load shows it.
    const SettingTable& settings() const noexcept { return settings_; }
    // Every control of this window is listed, with its line(s) and handlers, in
    // docs/controls.md.

  private:
    static inline const Look kLinkLook{
        .font = Font{.face = Typeface::MsSansSerif, .underline = true},
        .textColour = Colour::Navy,
        .align = Align::Centre,
        .fixedSize = true};

    void connectHandlers();
    void connectSettingHandlers();
    // The manual page's three lists show the document's lines and follow its changes.
    void connectListsToDocument();
    // Unit1Captions.cpp: which caption names each field for screen readers.
    void nameFieldsForReaders();
    void showPage(const Panel& page);

    // Looks the game up again and shows where its file is.
    void lookUpGame();
    // Clears the document and reads the configuration file into it.
    void readDocument();

    static void moveList(ListBox& list, int row);
    // Moves the line-number list and `other` to the row selected in `clicked`, then `clicked`
    // to the row of `other`.
    void followSelection(ListBox& clicked, ListBox& other);
    // The value and description boxes show the selected line.
    void showSelectedLine();
    // The other two lists scroll to the top row of `scrolled`.
    void scrollTogether(const ListBox& scrolled);

    std::vector<Setting> settingTable();
    std::string value(int line) const { return document_.value(line); }
    void showResolution();
    void showReflectionSource();
    void showMirrorsTCam();
    void showMirrors();
    void showHelmetVisor();
    void showNumber27();
    // A number field's line as the person came to the field. Leaving the field with a number it
    // refuses gives the line that value back: the numbers typed on the way ("1" and "10" of
    // "101") were written as they stood.
    void holdOnEntry(int line);
    void giveBackIfRefused(const std::string& text, int line);

    // Shows the copies found (games_) in GameBox, the one in use chosen.
    void showGames();
    void rememberGames();

    // Asks for a translation file, reads it, and remembers it once it is read.
    void chooseTranslationFile();
    // Whether the file was there and was read (a missing one ends the program).
    bool loadTranslationFile(const std::string& path);
    // Puts the catalogue's entries on this window; false when it stopped at a missing entry.
    bool applyCaptions();
    // The captions of the controls that edit no line, in the order of the pass.
    std::vector<CaptionTarget> otherCaptions();

    Application& application_;
    System& system_;
    Dialogs& dialogs_;
    GameInstall game_;
    ConfigDocument document_;
    Catalogue catalogue_;
    // Whether the last load read the whole file: only such a document may be saved.
    bool wholeFileLoaded_ = false;
    // The copies GameBox lists, in its order; the folders chosen by hand, as remembered.
    std::vector<Installation> games_;
    std::vector<std::string> chosenFolders_;
    // What holdOnEntry kept: the line's value, none while no line was there.
    std::optional<std::string> heldOnEntry_;
    SettingTable settings_{document_, settingTable()};
    const std::vector<CaptionTarget> captionPass_ = settings_.captionPass(otherCaptions());
    TForm2* Form2_ = nullptr;
    TForm3* Form3_ = nullptr;
};

}  // namespace torvexa
