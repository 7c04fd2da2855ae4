#include "view/fltk/OpenDialog.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_File_Browser.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Return_Button.H>
#include <FL/filename.H>

#include <filesystem>
#include <vector>

namespace torvexa::fltk {
namespace {

namespace fs = std::filesystem;

struct Filter {
    std::string name;
    std::string pattern;
};

// "Name|*.ext|Name|*.ext" to its pairs.
std::vector<Filter> parseFilter(const std::string& filter) {
    std::vector<std::string> parts;
    for (std::size_t start = 0;;) {
        const std::size_t bar = filter.find('|', start);
        parts.push_back(filter.substr(start, bar - start));
        if (bar == std::string::npos) break;
        start = bar + 1;
    }
    std::vector<Filter> filters;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2)
        filters.push_back({parts[i], parts[i + 1]});
    return filters;
}

class OpenWindow : public Fl_Double_Window {
  public:
    OpenWindow(const std::string& title, std::vector<Filter> filters, fs::path folder)
        : Fl_Double_Window(460, 330), filters_(std::move(filters)), folder_(std::move(folder)) {
        copy_label(title.c_str());
        folderLabel_.align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE | FL_ALIGN_CLIP);
        kind_.callback([](Fl_Widget*, void* self) { static_cast<OpenWindow*>(self)->list(); },
                       this);
        for (const Filter& f : filters_) {
            kind_.add((f.name + " (" + f.pattern + ")").c_str(), 0, nullptr, nullptr, 0);
        }
        kind_.value(0);
        files_.type(FL_HOLD_BROWSER);
        files_.callback([](Fl_Widget*, void* self) { static_cast<OpenWindow*>(self)->picked(); },
                        this);
        ok_.callback([](Fl_Widget*, void* self) { static_cast<OpenWindow*>(self)->accept(); },
                     this);
        cancel_.callback([](Fl_Widget* w, void*) { w->window()->hide(); }, nullptr);
        end();
        set_modal();
        list();
    }

    std::optional<std::string> chosen;

  private:
    void list() {
        folderLabel_.copy_label(folder_.string().c_str());
        const int k = kind_.value();
        files_.filter(k >= 0 && k < static_cast<int>(filters_.size()) ? filters_[k].pattern.c_str()
                                                                      : "*");
        files_.load(folder_.string().c_str());
    }

    void picked() {
        const int line = files_.value();
        if (line <= 0) return;
        const std::string name = files_.text(line);
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

    std::vector<Filter> filters_;
    fs::path folder_;
    Fl_Box folderLabel_{10, 10, 440, 20};
    Fl_File_Browser files_{10, 34, 440, 200};
    Fl_Input name_{100, 244, 350, 24, "Dateiname:"};
    Fl_Choice kind_{100, 274, 350, 24, "Dateityp:"};
    Fl_Return_Button ok_{280, 300, 80, 24,
                         "\xC3\x96"
                         "ffnen"};
    Fl_Button cancel_{370, 300, 80, 24, "Abbrechen"};
};

}  // namespace

std::optional<std::string> runOpenDialog(const std::string& title, const std::string& filter,
                                         const std::filesystem::path& folder) {
    OpenWindow window(title, parseFilter(filter), folder.empty() ? fs::current_path() : folder);
    window.show();
    while (window.shown())
        Fl::wait();
    return window.chosen;
}

}  // namespace torvexa::fltk
