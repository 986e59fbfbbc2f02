// Loading and saving one View section of the current module's work file.
#pragma once

// Reads a section "2000" .. "2007" into the live View (and the controls, when the control
// window exists). Returns 0.
int load_view(const char* section);

// Writes the live View into a section "2000" .. "2007": integers and reals from the live
// values, switches and choices from the control window's buttons. Does nothing (and keeps a
// pending skip-flight request) while no control window exists. Returns 0.
int save_view(const char* section);

// A live real truncated toward zero, as sliders and stored integers take it; values beyond
// what an int holds saturate instead of being undefined.
inline int truncate_view_real(float value) {
    if (!(value > -2147483648.0f)) return value != value ? 0 : -2147483647 - 1;
    if (!(value < 2147483648.0f)) return 2147483647;
    return static_cast<int>(value);
}

// Stored reals are read as text of at most this many characters.
constexpr unsigned VIEW_REAL_TEXT_LENGTH = 9;
// The reader for stored reals: scans from the end, stops at "-" (negative) or any other
// non-digit (0). "577.00000" -> 577, "-3.000000" -> -3, "1e5" -> 0.
float read_view_real(const char* text);
