#include "view/fltk/OpenDialog.h"

#include "view/fltk/Modal.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Hold_Browser.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Return_Button.H>
#include <FL/fl_draw.H>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <vector>

#include "view/fltk/FltkVersion.h"
#include "view/fltk/FolderListing.h"
#include "view/fltk/Text.h"
#include "view/fltk/Toolkit.h"
#include "view/fltk/WindowHints.h"

namespace torvexa::fltk {
namespace {

namespace fs = std::filesystem;

// The folder's list, where the focus starts: the arrows move in it, and what a person types
// goes into the file name field in place of what it held, as in every desktop's open dialog.
class FileList : public Fl_Hold_Browser {
  public:
    FileList(int x, int y, int w, int h, Fl_Input& name)
        : Fl_Hold_Browser(x, y, w, h), name_(name) {}

    int handle(int event) override {
        if (event != FL_KEYBOARD || !typesALetter()) return Fl_Hold_Browser::handle(event);
        name_.take_focus();
        markText(name_, name_.size(), 0);  // the typing replaces the whole name
        return name_.handle(event);
    }

  private:
    static bool typesALetter() {
        const auto first = static_cast<unsigned char>(Fl::event_text()[0]);
        return Fl::event_length() > 0 && first >= 0x20 && first != 0x7F &&
               !Fl::event_state(FL_CTRL | FL_ALT | FL_META);
    }

    Fl_Input& name_;
};

class OpenWindow : public Fl_Double_Window {
  public:
    // Laid out in layout pixels, drawn at `scale`.
    OpenWindow(const OpenDialogWords& words, std::vector<FileFilter> filters, fs::path folder,
               double scale)
        : Fl_Double_Window(460, 330, words.title),
          fieldLeft_(fieldLeft(words, scale)),
          filters_(std::move(filters)),
          folder_(std::move(folder)),
          name_(fieldLeft_, 244, 450 - fieldLeft_, 24, words.fileName),
          kind_(fieldLeft_, 274, 450 - fieldLeft_, 24, words.fileType),
          ok_(280, 300, 80, 24, words.open),
          cancel_(370, 300, 80, 24, words.cancel) {
        folderLabel_.align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE | FL_ALIGN_CLIP);
        kind_.callback([](Fl_Widget*, void* self) { static_cast<OpenWindow*>(self)->list(); },
                       this);
        for (const FileFilter& f : filters_) {
            kind_.add((f.name + " (" + f.pattern + ")").c_str(), 0, nullptr, nullptr, 0);
        }
        kind_.value(0);
        files_.callback([](Fl_Widget*, void* self) { static_cast<OpenWindow*>(self)->picked(); },
                        this);
        ok_.callback([](Fl_Widget*, void* self) { static_cast<OpenWindow*>(self)->accept(); },
                     this);
        cancel_.callback([](Fl_Widget* w, void*) { w->window()->hide(); }, nullptr);
        end();
        scaleLayout(*this, scale);
        set_modal();
        list();
    }

    std::optional<std::string> chosen;

  private:
    // Where the two fields start, in layout pixels: after the longer of their labels as this
    // language words them.
    static int fieldLeft(const OpenDialogWords& words, double scale) {
        openDisplay();
        fl_font(FL_HELVETICA, FL_NORMAL_SIZE);
        const double widest = std::max(fl_width(words.fileName), fl_width(words.fileType));
        return std::max(100, 10 + static_cast<int>(std::ceil(widest / scale)) + 8);
    }

    void list() {
        folderLabel_.copy_label(machineText(folder_.string()).c_str());
        const int k = kind_.value();
        rows_ = listFolder(folder_, k >= 0 && k < static_cast<int>(filters_.size())
                                        ? filters_[k].pattern
                                        : std::string("*"));
        files_.clear();
        for (const std::string& row : rows_)  // "@." : the rest of the row is shown as it is
            files_.add(("@." + row).c_str());
        files_.value(1);  // the first row is marked, so the first Down goes to the second
    }

    void picked() {
        const int line = files_.value();
        if (line <= 0 || line > static_cast<int>(rows_.size())) return;
        const std::string& name = rows_[line - 1];
        const bool folder = !name.empty() && name.back() == '/';
        if (folder && Fl::event_clicks()) {
            folder_ = fs::weakly_canonical(folder_ / name);
            name_.value("");
            list();
        } else if (!folder) {
            name_.value(name.c_str());
            if (Fl::event_clicks()) accept();
        }
    }

    void accept() {
        const std::string typed = name_.value();
        if (typed.empty()) return;
        const fs::path path = fs::path(typed).is_absolute() ? fs::path(typed) : folder_ / typed;
        chosen = path.lexically_normal().string();
        hide();
    }

    int fieldLeft_;
    std::vector<FileFilter> filters_;
    fs::path folder_;
    std::vector<std::string> rows_;  // what the browser's rows show, from the first
    Fl_Box folderLabel_{10, 10, 440, 20};
    FileList files_{10, 34, 440, 200, name_};
    Fl_Input name_;
    Fl_Choice kind_;
    Fl_Return_Button ok_;
    Fl_Button cancel_;
};

}  // namespace

std::optional<std::string> runOpenDialog(std::vector<FileFilter> filters,
                                         const std::filesystem::path& folder, double scale) {
    OpenWindow window(openDialogWordsOfThisDesktop(), std::move(filters),
                      folder.empty() ? fs::current_path() : folder, scale);
    placeCentred(window, scale);
    runModal(window);
    return window.chosen;
}

}  // namespace torvexa::fltk
