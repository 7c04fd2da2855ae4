#pragma once

#include <FL/Fl_Box.H>

#include <string>

namespace torvexa::fltk {

// A label: its text starts at its left edge (FLTK would inset it by 3 pixels), and an
// underlined font is drawn as a line under the text, which FLTK fonts lack.
class LabelBox : public Fl_Box {
  public:
    LabelBox(int x, int y, int w, int h, bool underline, double scale = 1);
    // Shows a path of this machine instead of a caption: as it stands, on as many lines as it
    // needs, broken after its separators.
    void path(std::string utf8);
    const std::string& path() const { return path_; }

  protected:
    void draw() override;

  private:
    bool underline_;
    double scale_;
    std::string path_;
};

}  // namespace torvexa::fltk
