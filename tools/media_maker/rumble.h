// The looping start-up sound: a deep rumble that swells and ebbs.
#pragma once

#include <cstdint>
#include <vector>

constexpr int RUMBLE_RATE = 22050;
constexpr int RUMBLE_CHANNELS = 2;
constexpr int RUMBLE_FRAMES = RUMBLE_RATE * 8;

// Interleaved stereo frames. Every component repeats a whole number of times over the length,
// so the last frame runs into the first without a click when the sound loops.
std::vector<int16_t> make_rumble();
