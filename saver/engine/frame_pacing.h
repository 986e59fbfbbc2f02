// Frame pacing: keeps frames apart by a little more than one frame period, sleeping in 1 ms
// steps rather than spinning.
#pragma once

#include <cstdint>

// Counter ticks per frame; 0 (unpaced) when globaldelay is 0.
uint64_t frame_period_for(uint64_t frequency, int delay);

// Counter ticks that must pass after the previous frame end: 1.03125 frame periods.
uint64_t pacing_threshold(uint64_t period);

// Whether this frame waits at all: not unpaced, not the first frame, and only with a real
// high-resolution counter.
bool frame_pacing_waits(int frames_per_second, uint64_t previous_end, uint64_t frequency);

// Whether a frame read at `now` is still too early after `previous_end`.
bool frame_too_early(uint64_t now, uint64_t previous_end, uint64_t threshold);

// Waits as needed, then makes the last counter value read the previous frame end.
void pace_frame();
