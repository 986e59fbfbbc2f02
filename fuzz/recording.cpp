// Playback of a recording side file: the bytes become the recording buffer as a module load
// puts them there, and the movie plays until it stops. The first byte picks an insert request
// and the frame it is made in, as the I, O and U keys do during playback.
#include "saver/model/recording.h"
#include "saver/engine/engine_state.h"
#include "saver/model/model_state.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

constexpr size_t MAX_RECORDING_BYTES = 128000;
// Past the buffer's last sample: every movie ends or loops by then.
constexpr int MAX_FRAMES = RECORDING_LAST_POSITION / 2 + 4;
// Behind the loaded samples the buffer holds only zero samples, which play alike.
constexpr int FRAMES_PAST_THE_DATA = 64;
// Each restart copies the star tables; a few restarts cover the looping paths.
constexpr int MAX_RESTARTS = 4;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const uint8_t control = data[0];
    const size_t bytes = std::min(size - 1, MAX_RECORDING_BYTES);
    std::memset(recording_buffer, 0, sizeof recording_buffer);
    std::memcpy(recording_buffer, data + 1, bytes);
    recorded_length = static_cast<int>(bytes / 2);
    current_view_index = -1;
    keep_motion = 0;

    start_playback();
    const int insert_frame = control >> 2;
    int restarts = 0;
    const int frames = std::min(MAX_FRAMES, static_cast<int>(bytes / 4) + FRAMES_PAST_THE_DATA);
    for (int frame = 0; frame < frames && recording_state != RECORDING_IDLE; ++frame) {
        if (frame == insert_frame) insert_request = control & 3;
        const int before = recording_position;
        recording_step();
        if (recording_position < 0 || recording_position > RECORDING_LAST_POSITION + 2 ||
            recording_position % 2 != 0 || current_view_index < 0 || current_view_index > 7)
            std::abort();
        if (recording_position < before && ++restarts > MAX_RESTARTS) break;
    }
    if (recorded_length < 0 || recorded_length > RECORDING_LAST_POSITION + 4) std::abort();
    return 0;
}
