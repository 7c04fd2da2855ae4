#pragma once

#include <FL/Fl_Button.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Hold_Browser.H>
#include <FL/Fl_Slider.H>

// The few widgets FLTK lacks in the form the windows need.
namespace torvexa::fltk {

// A flat button: no frame until the pointer is over it.
class FlatButton : public Fl_Button {
  public:
    FlatButton(int x, int y, int w, int h);
    int handle(int event) override;
};

// A group box: an etched frame with its caption on the top edge.
class GroupFrame : public Fl_Group {
  public:
    GroupFrame(int x, int y, int w, int h);

  protected:
    void draw() override;
};

// A horizontal slider with tick marks below it.
class TickSlider : public Fl_Slider {
  public:
    TickSlider(int x, int y, int w, int h, int frequency);

  protected:
    void draw() override;

  private:
    int frequency_;
};

// A list with rows of a fixed height.
class RowBrowser : public Fl_Hold_Browser {
  public:
    RowBrowser(int x, int y, int w, int h, int rowHeight);
    // Scrolls so that row `top` (0-based) is the first one shown.
    void showFromRow(int top);
    int firstShownRow();

  protected:
    int item_height(void* item) const override;

  private:
    int rowHeight_;
};

}  // namespace torvexa::fltk
