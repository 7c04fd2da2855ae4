#pragma once

#include <FL/Fl_Box.H>

#include <string>
#include <vector>

namespace torvexa::fltk {

// A label: its text starts at its left edge (FLTK would inset it by 3 pixels), and an
// underlined font is drawn as a line under the text, which FLTK fonts lack.
class LabelBox : public Fl_Box {
  public:
    LabelBox(int x, int y, int w, int h, bool underline, double scale = 1);
    // Shows a path of this machine instead of a caption: as it stands, broken after its
    // separators, on as many lines as its place holds (middle folders left out when it does not
    // fit); the whole path is its tooltip.
    void path(std::string utf8);
    const std::string& path() const { return path_; }
    // The lines the path is drawn on, in the label's font.
    std::vector<std::string> pathLinesShown() const;

  protected:
    void draw() override;

  private:
    bool underline_;
    double scale_;
    std::string path_;
};

}  // namespace torvexa::fltk
