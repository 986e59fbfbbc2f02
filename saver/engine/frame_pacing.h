// Frame pacing. On a display whose buffer swap waits for the vertical blank, and with a
// target at or above its refresh, the swap paces the frames; otherwise frames are kept apart
// by a little more than one frame period, sleeping in 1 ms steps rather than spinning.
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

// Pacing by the swap needs the swap interval under our control and a known refresh; it is
// chosen when the target frame rate is at or above the refresh (a 60 target on a 59.94 Hz
// display included): a sleeping pacer there misses blanks, repeating a frame now and then or
// halving the rate. An unpaced target (0) is never tied to the display.
bool pace_by_swap_for(int frames_per_second, bool swap_control, double refresh_hz);

// The clock the pacer reads and sleeps on: the platform's, or a test's simulated one.
struct PacingClock {
    uint64_t (*now)();
    void (*sleep_ms)(unsigned milliseconds);
};

// Waits as needed (never while `pace_by_swap`), then makes the last counter value read the
// previous frame end.
void pace_frame_on(const PacingClock& clock);
void pace_frame(); // on the platform's clock

// Frames were held back for `paused_ns` nanoseconds (the window was not viewable, or the
// process was stopped): the clock-driven timers leave that time out, so the module shown does
// not jump on to its fade-out when drawing resumes.
void resume_after_pause(uint64_t paused_ns);
