// The dialog pieces FLTK has no widget for. Kept apart from the platform's own headers: FLTK's
// drawing header brings in Xlib, whose names clash with ours.
#pragma once

#include <FL/Fl_Box.H>
#include <FL/Fl_Slider.H>

#include <string>
#include <vector>

// Fits the 8-unit (16-pixel) rows of the templates with the descenders.
constexpr int TEXT_SIZE = 11;
extern const Fl_Color ACCENT;

// A frame with its caption at the top left; a frame a few pixels thin is a separating line.
class GroupFrame : public Fl_Box {
  public:
    using Fl_Box::Fl_Box;
    void draw() override;
};

// Static pictures are decorations; the clock is the only one the program names.
class IconBox : public Fl_Box {
  public:
    IconBox(int x, int y, int w, int h, const std::string& name) : Fl_Box(x, y, w, h), name(name) {}
    void draw() override;

  private:
    std::string name;
};

// A slider with tick marks along its lower (or right) edge, where the knob's centre stands at
// each marked value.
class TickSlider : public Fl_Slider {
  public:
    using Fl_Slider::Fl_Slider;
    void set_ticks(std::vector<int> values) { ticks = std::move(values); }
    void draw() override;

  private:
    std::vector<int> ticks;
};
