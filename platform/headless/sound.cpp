// No audio in the headless backend; the file is still checked so callers see the same
// answer they would get with a sound card.
#include "platform/sound.h"
#include "platform/common/wave_file.h"

bool play_sound_loop(const char* path) {
    WaveSound sound;
    return read_wave_file(path, &sound);
}

void stop_sound() {}
