// The main window's copies of the game: the one in use, chosen in GameBox or by its folder,
// and remembered for the next start.
#include <algorithm>

#include "common/Cp1252.h"
#include "common/Failure.h"
#include "common/TextLines.h"
#include "forms/Unit1.h"
#include "platform/System.h"
#include "ui/Application.h"

namespace torvexa {
namespace {

// Remembers, in the working folder beside langopt.zel, the copy in use (its file on the first
// line) and the folders chosen by hand (a line each, kept while their drive is away).
constexpr const char* kGameChoice = "gameopt.zel";

}  // namespace

void TForm1::initialiseGames() {
    // A choice that cannot be read is no choice: the copy written last is used.
    std::string remembered;
    try {
        if (system_.isFile(kGameChoice)) {
            const std::vector<std::string> lines = splitTextLines(system_.readFile(kGameChoice));
            if (!lines.empty()) {
                remembered = lines.front();
                chosenFolders_.assign(lines.begin() + 1, lines.end());
            }
        }
    } catch (const std::exception&) {
    }
    for (const std::string& folder : chosenFolders_)
        system_.addFolder(folder);
    games_ = system_.installations();
    if (!system_.namedForThisRun()) system_.use(remembered);
    showGames();
}

void TForm1::showGames() {
    std::vector<std::string> names;
    for (const Installation& game : games_)
        names.push_back(utf8ToCp1252(game.name));
    GameBox.setItems(std::move(names));
    const std::optional<Installation> inUse = system_.inUse();
    const auto chosen = std::find_if(games_.begin(), games_.end(), [&](const Installation& game) {
        return inUse && game.file == inUse->file;
    });
    GameBox.setItemIndex(static_cast<int>(chosen - games_.begin()));
    GameBox.setEnabled(!games_.empty());
    NoGameLabel.setVisible(games_.empty());
}

void TForm1::GameBoxChange() {
    const auto index = static_cast<std::size_t>(GameBox.itemIndex());
    const std::optional<Installation> inUse = system_.inUse();
    if (index >= games_.size() || (inUse && inUse->file == games_[index].file))
        return;  // the copy on view stays, and what was typed into it
    chooseGame(games_[index].file);
}

void TForm1::GameFolderButtonClick() {
    const std::optional<std::string> path = dialogs_.chooseFile(OpenDialog2);
    if (!path) return;
    const std::optional<Installation> copy = system_.addFolder(*path);
    if (!copy) throw FileError(winerror::fileNotFound);  // as "Laden" reports it
    if (std::find(chosenFolders_.begin(), chosenFolders_.end(), copy->folder) ==
        chosenFolders_.end())
        chosenFolders_.push_back(copy->folder);
    games_ = system_.installations();
    chooseGame(copy->file);
}

bool TForm1::chooseGame(const std::string& file) {
    if (!system_.use(file)) return false;
    showGames();
    // Whatever was loaded belongs to the copy left: until this copy's file is read whole,
    // nothing may be saved anywhere.
    wholeFileLoaded_ = false;
    rememberGames();
    application_.perform([this] { load(); });
    return true;
}

void TForm1::rememberGames() {
    const std::optional<Installation> inUse = system_.inUse();
    std::string lines = (inUse ? inUse->file : std::string()) + "\r\n";
    for (const std::string& folder : chosenFolders_)
        lines += folder + "\r\n";
    // A choice that could not be remembered is reported, and holds for this run.
    application_.perform([&] { system_.writeFile(kGameChoice, lines); });
}

}  // namespace torvexa
