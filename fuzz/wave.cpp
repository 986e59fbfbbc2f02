// The looping start-up sound: any bytes as a RIFF WAVE file.
#include "platform/common/wave_file.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    WaveSound sound{};
    if (!parse_wave(std::string(reinterpret_cast<const char*>(data), size), &sound)) return 0;
    // What the player relies on: whole frames of a format it can convert, all from the file.
    if (sound.block_align == 0 || sound.samples.empty() ||
        sound.samples.size() % sound.block_align != 0 || sound.samples.size() > size ||
        sound.channels < 1 || sound.channels > 8)
        std::abort();
    return 0;
}
