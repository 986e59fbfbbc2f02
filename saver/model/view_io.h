// Loading and saving one View section of the current module's work file.
#pragma once

// Reads a section "2000" .. "2007" into the live View (and the controls, when the control
// window exists). Returns 0.
int load_view(const char* section);

// Stored reals are read as text of at most this many characters.
constexpr unsigned VIEW_REAL_TEXT_LENGTH = 9;
// The reader for stored reals: scans from the end, stops at "-" (negative) or any other
// non-digit (0). "577.00000" -> 577, "-3.000000" -> -3, "1e5" -> 0.
float read_view_real(const char* text);
