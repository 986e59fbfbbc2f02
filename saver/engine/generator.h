// The star generator: fills the target star table with one of nine patterns.
#pragma once

enum GeneratorMode {
    GEN_RANDOM = 0,
    GEN_PLANAR,
    GEN_SINE,
    GEN_SPHERE,
    GEN_GALAXY,
    GEN_TUBE,
    GEN_RINGS,
    GEN_SHELL,
    GEN_SINE_T,
};

// The name the control window shows for a generator mode ("Random" .. "Sine T").
const char* generator_mode_name(int mode);
// Writes the target table from the anchor index to the last star in mode `xcolormode`;
// every mode but the timed two then snapshots it into the display table. Clears the anchor.
void generate();
// Copies every star: target -> display for direction 0, display -> target otherwise.
void snapshot(int direction);
