#include "saver/engine/frame_pacing.h"

#include "platform/clock.h"
#include "saver/engine/engine_state.h"
#include "saver/model/settings.h"

uint64_t frame_period_for(uint64_t frequency, int delay) {
    if (delay == 0) return 0;
    return frequency / static_cast<uint64_t>(static_cast<int64_t>(delay));
}

uint64_t pacing_threshold(uint64_t period) {
    return period + period / 32;
}

bool frame_pacing_waits(int frames_per_second, uint64_t previous_end, uint64_t frequency) {
    return frames_per_second != 0 && previous_end != 0 && frequency != NO_COUNTER_FREQUENCY;
}

bool frame_too_early(uint64_t now, uint64_t previous_end, uint64_t threshold) {
    return now - previous_end <= threshold;
}

bool pace_by_swap_for(int frames_per_second, bool swap_control, double refresh_hz) {
    // Half a frame of slack: refresh rates are quoted as 60 for 59.94 Hz and the like.
    return swap_control && refresh_hz > 0.0 && frames_per_second > 0 &&
           frames_per_second + 0.5 >= refresh_hz;
}

void pace_frame_on(const PacingClock& clock) {
    current_counter = clock.now();
    if (!pace_by_swap && frame_pacing_waits(globaldelay, previous_frame_end, counter_frequency)) {
        const uint64_t threshold = pacing_threshold(frame_period);
        while (frame_too_early(current_counter, previous_frame_end, threshold)) {
            clock.sleep_ms(1);
            current_counter = clock.now();
        }
    }
    previous_frame_end = current_counter;
}

void pace_frame() {
    pace_frame_on({query_performance_counter, sleep_ms});
}

void resume_after_pause(uint64_t paused_ns) {
    // Pauses last minutes or hours: the product is split so that it stays in range.
    constexpr uint64_t PER_SECOND = 1000000000u;
    const uint64_t paused_ticks = paused_ns / PER_SECOND * counter_frequency +
                                  paused_ns % PER_SECOND * counter_frequency / PER_SECOND;
    if (hold_start_time != 0) hold_start_time += paused_ticks;
    if (previous_frame_end != 0) previous_frame_end += paused_ticks;
}
