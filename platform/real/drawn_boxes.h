// The dialog pieces FLTK has no widget for. Kept apart from the platform's own headers: FLTK's
// drawing header brings in Xlib, whose names clash with ours.
#pragma once

#include "platform/icon.h"

#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Slider.H>

#include <string>
#include <vector>

// Fits the 8-unit (16-pixel) rows of the templates with the descenders.
constexpr int TEXT_SIZE = 11;
extern const Fl_Color ACCENT;

// A text on one line in the dialogs' font.
struct TextSize {
    int width, height;
};
TextSize dialog_text_size(const char* text);

// A frame with its caption at the top left; a frame a few pixels thin is a separating line.
class GroupFrame : public Fl_Box {
  public:
    using Fl_Box::Fl_Box;
    void draw() override;
};

// The program's pixel picture, as large as whole pixels allow, centred in the rectangle.
void draw_icon(const IconImage& icon, int x, int y, int w, int h);

// Static pictures: the one the program gives, else the drawing the template names.
class IconBox : public Fl_Box {
  public:
    IconBox(int x, int y, int w, int h, const std::string& name) : Fl_Box(x, y, w, h), name(name) {}
    const IconImage* icon = nullptr;
    void draw() override;

  private:
    std::string name;
};

// A push button that shows a picture instead of its text when it has one.
class PictureButton : public Fl_Button {
  public:
    using Fl_Button::Fl_Button;
    const IconImage* icon = nullptr;
    void draw() override;
};

// A single-line edit whose text stands at its right edge (numbers line up as in a column).
class RightAlignedInput : public Fl_Input {
  public:
    using Fl_Input::Fl_Input;
    void draw() override;
    int handle(int event) override;

  private:
    int text_offset(); // how far the text is pushed right
};

// A slider with tick marks along its lower (or right) edge, where the knob's centre stands at
// each marked value.
class TickSlider : public Fl_Slider {
  public:
    using Fl_Slider::Fl_Slider;
    void set_ticks(std::vector<int> values) { ticks = std::move(values); }
    void draw() override;
    // Page Up / Page Down step by one page of size 1, Home and End go to the ends.
    int handle(int event) override;

  private:
    std::vector<int> ticks;
};
