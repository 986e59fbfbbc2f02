// A module's recording written as a script instead of flown with the mouse:
//   "8 600; 3 400 40,-10; 5 300 0,0>60,-20 f; loop"
// Each segment shows View V (1..8) for FRAMES frames, steering with yaw X and pitch Y (held,
// or glided linearly to X2,Y2 over the segment); "f" lets the travel direction follow the
// view. The script ends with "loop" (restart from View 8 with the stars reset), "keep" (restart
// but fly on from where the movie ended) or "end" (stop after the last sample).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The recording words, two per frame. Returns false with a message in *error for a script that
// does not parse or does not fit the recording buffer.
bool compile_flight(const std::string& script, std::vector<int16_t>* words, std::string* error);
