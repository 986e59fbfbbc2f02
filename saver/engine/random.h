// The one random stream of the program: the generator and the motion functions draw from it.
#pragma once

#include <cstdint>

void seed_random(uint32_t seed);
// Bits 16..30 of the next state: 0..32767.
int next_random();
