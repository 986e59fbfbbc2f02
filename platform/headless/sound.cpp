// No audio in the headless backend; the file is still checked so callers see the same
// answer they would get with a sound card, and tests see what would be playing.
#include "platform/sound.h"
#include "platform/common/wave_file.h"
#include "platform/headless.h"

namespace {
std::string playing;
}

bool play_sound_loop(const char* path) {
    WaveSound sound;
    if (!read_wave_file(path, &sound)) return false;
    playing = path;
    return true;
}

void stop_sound() {
    playing.clear();
}

const std::string& headless_sound_playing() {
    return playing;
}
