// The motion functions of the "Fun" row: automatic swaying of the heading and the pitch,
// chosen by `colormode`, sized by `track9z` and paced by `track9zq`.
#pragma once

// One step of a damped random walk whose memory is `state`: a = state / n; state moves to
// trunc(state - a + x); returns a * m / 8. A divisor below 1 counts as 1.
float walk(int& state, float x, int n, int m);

// Brings any sine-table index into 0..8191.
int wrap_sine_index(int index);

// Sets `pitch` from the base pitch and turns the heading `xtx1` by the selected function;
// with `track9z` at 0 the pitch is the base pitch and nothing else happens.
void apply_motion_function();
