// The two timed generator modes, "Tube" and "Sine T": a pattern that is regenerated every
// period and faded in and out, and display stars that glide toward their moving targets.
#pragma once

// The pattern timer's value while neither timed mode is active.
constexpr int PATTERN_TIMER_IDLE = 10000;

// The triangular fade over one pattern period of `period` frames at frame `timer`:
// 0 at both ends, 1 through the middle half.
float pattern_fade_at(int timer, int period);

// One frame: pattern fade, pattern timer (with a new pattern at the end of a period) and
// the morph and flight of the stars.
void timed_modes_step();

// Moves every drawn display star toward its target and the targets with the flight.
void morph_and_fly_stars();
