// The outputs a Wayland run covers, without any protocol: which one the engine draws at and
// how its frame covers each of the others. Kept apart so that it can be tested headless.
#pragma once

#include <cstdint>
#include <vector>

struct OutputSize {
    uint32_t id = 0; // the output's global name on the registry
    int scale = 1;   // the output's buffer scale
    int width = 0;   // the surface size the compositor configured, in its logical units
    int height = 0;  // 0 until the first configure
    int pixel_width() const { return width * scale; }
    int pixel_height() const { return height * scale; }
    bool configured() const { return width > 0 && height > 0; }
};

// The configured output with the most pixels, the one the engine draws at; 0 when none is
// configured. The current lead keeps its place against an output of the same size, so that
// outputs coming and going do not make the engine change its size needlessly.
uint32_t choose_lead_output(const std::vector<OutputSize>& outputs, uint32_t current_lead);

struct Window; // platform/common/window_table.h

// Chooses the lead among the outputs that have a surface and gives the window the lead's pixel
// size (0 by 0 without one), which the window hears as WM_SIZE when it changed. Returns the
// lead's id.
uint32_t follow_lead_output(Window* window, const std::vector<OutputSize>& outputs,
                            uint32_t current_lead);

// The part of the lead's frame that covers a target output of another shape: the largest
// centred rectangle of the target's aspect ratio, in texture coordinates (0 to 1).
struct CoverRegion {
    float left, bottom, right, top;
};
CoverRegion cover_region(int source_width, int source_height, int target_width, int target_height);
