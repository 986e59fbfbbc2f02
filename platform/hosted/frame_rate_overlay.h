// The frame rate in the bottom-left corner, as screen-saver hosts show it with -fps.
#pragma once

#include <cstdint>
#include <string>

// Counts a frame presented at `now_ns` and returns the text to show: the rate over the last
// full second, empty until a second has passed.
class FrameRateCounter {
  public:
    const std::string& frame(uint64_t now_ns);

  private:
    uint64_t second_start_ = 0;
    int frames_ = 0;
    std::string text_;
};

// Draws the text over the current frame in pixel units, leaving the GL state as it was.
void draw_frame_rate(const std::string& text);
