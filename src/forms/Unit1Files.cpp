// The main window's file commands: load, save, and the backup copy.
#include "forms/Entries.h"
#include "forms/Unit1.h"
#include "platform/System.h"
#include "ui/Application.h"

namespace torvexa {
namespace {

constexpr int kPauseBetweenPasses = 100;  // milliseconds

constexpr const char* kNothingToSave =
    "Es wurde noch keine f1graphics.cfg vollst\xE4ndig geladen, daher wurde nichts gespeichert.\r"
    "No f1graphics.cfg has been loaded completely, so nothing was saved.";

}  // namespace

void TForm1::lookUpGame() {
    game_.lookUp(system_);
    ConfigPathLabel.setCaption(game_.directory().empty() ? std::string()
                                                         : system_.machinePath(game_.configPath()));
}

void TForm1::readDocument() {
    wholeFileLoaded_ = false;
    document_.clear();  // a file that cannot be read leaves no line of the last one
    document_.load(system_.readFile(game_.configPath()));
    wholeFileLoaded_ = true;
}

void TForm1::Laden1Click() { load(); }

void TForm1::load() {
    lookUpGame();
    uncheckBeforeReading();
    readDocument();
    showFileInControls();
    // Two passes, because a handler runs only when its control changes: the first pass starts
    // from whatever the controls showed before, so what it writes back depends on the last
    // load and on the person's edits; the second starts from the first pass's states on a fresh
    // copy of the file, which undoes those writes. Between the passes the load pauses for
    // kPauseBetweenPasses, during which the window does not respond.
    system_.sleep(kPauseBetweenPasses);
    uncheckBeforeReading();
    readDocument();
    for (const Page& page : pages()) {
        if (page.button) page.button->setVisible(true);
    }
    showFileInControls();
}

void TForm1::Sichern1Click() { save(); }

bool TForm1::save() {
    // An empty or half-read document would replace the game's file with nothing or a part.
    if (!wholeFileLoaded_) {
        dialogs_.errorBox(kNothingToSave);
        return false;
    }
    system_.writeFile(game_.configPath(), document_.serialize());
    return true;
}

void TForm1::Backupsichern1Click() {
    lookUpGame();
    system_.copyFile(game_.configPath(), game_.backupPath());
}

void TForm1::Backupladen1Click() {
    lookUpGame();
    if (system_.isFile(game_.backupPath())) {
        // A failed copy is reported, and the load shows what the file holds now.
        application_.perform([this] { system_.copyFile(game_.backupPath(), game_.configPath()); });
    } else {
        dialogs_.errorBox(catalogue_.entry(entries::NoBackup));
    }
    load();
}

}  // namespace torvexa
