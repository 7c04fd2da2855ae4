#include "forms/Unit1.h"

#include "platform/System.h"

namespace torvexa {

TForm1::TForm1(Application& application, System& system, Dialogs& dialogs)
    : Form("Form1", {286, 171, 587, 259}, "ZEL Torvexa",
           {.font = style::kArial, .colour = Colour::ButtonFace}),
      application_(application),
      system_(system),
      dialogs_(dialogs) {
    // The window opens on the Info page; the other pages wait for the first load.
    for (const Page& page : pages()) {
        page.panel->setVisible(page.panel == &Panel6);
        if (page.button) page.button->setVisible(false);
    }
    Edit3.setEnabled(false);
    Edit3.setTyping(Typing::Digits);      // a number the game reads
    ComboBox2.setTyping(Typing::Digits);  // a distance
    UpDown1.setEnabled(false);
    SpeedButton12.setEnabled(false);
    // The manual page's keyboard order: values, comments, line numbers, then the value box,
    // the description and the apply button.
    setTabOrder({&Panel3});  // the page buttons, then the page on view
    Panel7.setTabOrder({&ListBox1, &ListBox4, &ListBox5});
    // The three lists scroll together, as the columns of one table: the comments' scroll bar
    // serves all three, and the numbers and values keep their width for their text (the line
    // numbers of a file of a million lines fit).
    ListBox5.setScrollBar(false);
    ListBox1.setScrollBar(false);
    Panel8.setTabOrder({&edit1, &edit2, &SpeedButton10});
    connectHandlers();
    connectSettingHandlers();
    connectListsToDocument();
    nameFieldsForReaders();
}

void TForm1::connectHandlers() {
    SpeedButton4.OnClick = [this] { SpeedButton4Click(); };
    SpeedButton5.OnClick = [this] { SpeedButton5Click(); };
    SpeedButton6.OnClick = [this] { SpeedButton6Click(); };
    SpeedButton9.OnClick = [this] { SpeedButton9Click(); };
    SpeedButton12.OnClick = [this] { SpeedButton12Click(); };
    Beenden1.OnClick = [this] { Beenden1Click(); };
    f1graphicscfgoptimieren1.OnClick = [this] { f1graphicscfgoptimieren1Click(); };
    Info1.OnClick = [this] { Info1Click(); };
    SpeedButton11.OnClick = [this] { SpeedButton11Click(); };
    GameBox.OnChange = [this] { GameBoxChange(); };
    GameFolderButton.OnClick = [this] { GameFolderButtonClick(); };
    Laden1.OnClick = [this] { Laden1Click(); };
    Sichern1.OnClick = [this] { Sichern1Click(); };
    Backupsichern1.OnClick = [this] { Backupsichern1Click(); };
    Backupladen1.OnClick = [this] { Backupladen1Click(); };
    ListBox1.OnClick = [this] { ListBox1Click(); };
    ListBox4.OnClick = [this] { ListBox4Click(); };
    ListBox5.OnClick = [this] { ListBox5Click(); };
    ListBox1.OnScroll = [this] { ListBox1Scroll(); };
    ListBox4.OnScroll = [this] { ListBox4Scroll(); };
    ListBox5.OnScroll = [this] { ListBox5Scroll(); };
    SpeedButton10.OnClick = [this] { SpeedButton10Click(); };
    edit1.setEnterPresses(SpeedButton10);  // Enter in the value box applies it
}

void TForm1::connectSettingHandlers() {
    CheckBox4.OnClick = [this] { CheckBox4Click(); };
    CheckBox6.OnClick = [this] { CheckBox6Click(); };
    CheckBox7.OnClick = [this] { CheckBox7Click(); };
    CheckBox20.OnClick = [this] { CheckBox20Click(); };
    Edit3.OnChange = [this] { Edit3Change(); };
    aufloesung.OnChange = [this] { aufloesungChange(); };
    aufloesung.OnExit = [this] { aufloesungExit(); };
    ComboBox1.OnExit = [this] { ComboBox1Exit(); };
    ComboBox2.OnEnter = [this] { ComboBox2Enter(); };
    ComboBox2.OnExit = [this] { ComboBox2Exit(); };
    Edit3.OnEnter = [this] { Edit3Enter(); };
    Edit3.OnExit = [this] { Edit3Exit(); };
    ComboBox3.OnExit = [this] { ComboBox3Exit(); };
    ComboBox3.OnChange = [this] { ComboBox3Change(); };
    TrackBar1.OnChange = [this] { TrackBar1Change(); };
    TrackBar2.OnChange = [this] { TrackBar2Change(); };
    TrackBar3.OnChange = [this] { TrackBar3Change(); };
    Button1.OnClick = [this] { Button1Click(); };
    Button2.OnClick = [this] { Button2Click(); };
    settings_.connect();  // every other setting control writes its line(s) through the table
}

void TForm1::connectListsToDocument() {
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

void TForm1::attachDialogs(TForm2& form2, TForm3& form3) {
    Form2_ = &form2;
    Form3_ = &form3;
}

void TForm1::FormCreate() {
    initialiseGames();
    lookUpGame();
    initialiseLanguage();
}

}  // namespace torvexa
