#include "saver/model/recording.h"

#include "saver/engine/engine_state.h"
#include "saver/engine/generator.h"
#include "saver/model/model_state.h"
#include "saver/model/view.h"

#include <cmath>
#include <cstdio>

namespace {

// Steering targets are whole numbers as the mouse sets them, but a hand-edited View can
// hold anything; the packed word must neither overflow nor pick up stray flag bits.
int whole_target(float value, int limit) {
    if (std::isnan(value)) return 0;
    if (value <= static_cast<float>(-limit)) return -limit;
    if (value >= static_cast<float>(limit - 1)) return limit - 1;
    return static_cast<int>(value);
}

constexpr int YAW_SCALE = 4;    // the two flag bits sit below the yaw target
constexpr int PITCH_SCALE = 16; // the View index and the follow bit sit below the pitch

// index is 0..7: three bits of a sample.
void request_view(int index) {
    const int section = 2000 + (index & 7);
    std::snprintf(pending_view_section, sizeof pending_view_section, "%d", section);
    std::snprintf(selected_section, sizeof selected_section, "%d", section);
    std::snprintf(status_text, sizeof status_text, "View %d", index + 1);
    view_load_pending = 1;
    current_view_index = index;
    projection_dirty = 1;
}

void play_sample() {
    RecordingSample sample = decode_sample(&recording_buffer[recording_position]);
    // Loop and end together mean "loop, but keep flying as the movie ended".
    if (sample.loop && sample.end) {
        sample.end = 0;
        keep_motion = 1;
    }
    fsxx = sample.fsxx;
    follow_direction = sample.follow;
    if (sample.view_index != current_view_index) request_view(sample.view_index);
    if (sample.loop) recording_position = 0;
    fsyy = sample.fsyy;

    if (recording_position == 0) {
        request_view(7);
        if (!keep_motion) snapshot(0);
        playback_start = 1;
    }

    recording_position += 2;
    if (recording_position > RECORDING_LAST_POSITION || sample.end)
        recording_state = RECORDING_IDLE;

    switch (insert_request) {
    case INSERT_RECORDING:
        recording_state = RECORDING_ACTIVE;
        break;
    case INSERT_END:
        recording_state = RECORDING_ACTIVE;
        recording_end = 1;
        break;
    case INSERT_LOOP:
        recording_state = RECORDING_ACTIVE;
        recording_loop = 1;
        break;
    }
    insert_request = INSERT_NONE;
}

void record_sample() {
    RecordingSample sample;
    sample.fsxx = fsxx;
    sample.fsyy = fsyy;
    sample.view_index = current_view_index;
    sample.follow = follow_direction;
    sample.loop = recording_loop;
    sample.end = recording_end;
    encode_sample(sample, &recording_buffer[recording_position]);

    recording_position += 2;
    if (recording_position > RECORDING_LAST_POSITION || recording_loop || recording_end) {
        recording_state = RECORDING_IDLE;
        recorded_length = recording_position + 2;
    }
}

} // namespace

void encode_sample(const RecordingSample& sample, int16_t words[2]) {
    const int yaw = whole_target(sample.fsxx, 32768 / YAW_SCALE) * YAW_SCALE;
    const int pitch = whole_target(sample.fsyy, 32768 / PITCH_SCALE) * PITCH_SCALE;
    words[0] = static_cast<int16_t>(yaw | (sample.loop ? 1 : 0) | (sample.end ? 2 : 0));
    words[1] = static_cast<int16_t>((pitch | (sample.view_index & 7)) + (sample.follow ? 8 : 0));
}

RecordingSample decode_sample(const int16_t words[2]) {
    RecordingSample sample;
    sample.loop = words[0] & 1;
    sample.end = (words[0] >> 1) & 1;
    sample.fsxx = static_cast<float>(words[0] / YAW_SCALE);
    sample.follow = (words[1] >> 3) & 1;
    sample.view_index = words[1] & 7;
    sample.fsyy = static_cast<float>(words[1] / PITCH_SCALE);
    return sample;
}

void recording_step() {
    if (recording_state == RECORDING_PLAYBACK) play_sample();
    // Also the frame in which an insert request switched over: it records into the slot
    // after the sample just played.
    if (recording_state == RECORDING_ACTIVE) record_sample();
}

void start_playback() {
    playback_start = 1;
    recording_position = 0;
    recording_loop = 0;
    recording_end = 0;
    insert_request = INSERT_NONE;
    recording_state = RECORDING_PLAYBACK;
}

void start_recording() {
    snapshot(1);
    recording_position = 0;
    recording_loop = 0;
    recording_end = 0;
    insert_request = INSERT_NONE;
    recording_state = RECORDING_ACTIVE;
}
