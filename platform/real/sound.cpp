// The looping sound through SDL audio. A machine without an audio device plays nothing.
#include "platform/sound.h"
#include "platform/common/wave_file.h"

#include <SDL.h>
#include <cstring>

namespace {

SDL_AudioDeviceID device;
WaveSound playing;
size_t position;
bool audio_tried, audio_ready;

void fill(void*, Uint8* stream, int length) {
    size_t wanted = static_cast<size_t>(length);
    const std::vector<uint8_t>& samples = playing.samples;
    for (size_t done = 0; done < wanted;) {
        size_t chunk = std::min(wanted - done, samples.size() - position);
        std::memcpy(stream + done, samples.data() + position, chunk);
        done += chunk;
        position = (position + chunk) % samples.size();
    }
}

// 24-bit samples widened to 32 bits, which SDL plays.
void widen_24_bit(WaveSound& sound) {
    std::vector<uint8_t> wide;
    wide.reserve(sound.samples.size() / 3 * 4);
    for (size_t at = 0; at + 3 <= sound.samples.size(); at += 3) {
        wide.push_back(0);
        wide.insert(wide.end(), sound.samples.begin() + static_cast<long>(at),
                    sound.samples.begin() + static_cast<long>(at + 3));
    }
    sound.samples.swap(wide);
    sound.bits_per_sample = 32;
}

SDL_AudioFormat sdl_format(const WaveSound& sound) {
    if (sound.format_tag == 3) return AUDIO_F32LSB;
    switch (sound.bits_per_sample) {
    case 8:
        return AUDIO_U8;
    case 16:
        return AUDIO_S16LSB;
    default:
        return AUDIO_S32LSB;
    }
}

} // namespace

bool play_sound_loop(const char* path) {
    WaveSound sound;
    if (!read_wave_file(path, &sound)) return false;
    stop_sound();
    if (!audio_tried) {
        audio_tried = true;
        // SDL would turn SIGINT and SIGTERM into events nobody reads, and the program would
        // no longer end when the session or the screen-saver host asks it to.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        audio_ready = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    }
    if (!audio_ready) return true;
    if (sound.bits_per_sample == 24) widen_24_bit(sound);
    playing = std::move(sound);
    position = 0;
    SDL_AudioSpec wanted{};
    wanted.freq = static_cast<int>(playing.sample_rate);
    wanted.format = sdl_format(playing);
    wanted.channels = static_cast<Uint8>(playing.channels);
    wanted.samples = 4096;
    wanted.callback = fill;
    // SDL converts from the file's own format to whatever the device plays.
    device = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    if (device != 0) SDL_PauseAudioDevice(device, 0);
    return true;
}

void stop_sound() {
    if (device != 0) {
        SDL_CloseAudioDevice(device);
        device = 0;
    }
    playing.samples.clear();
    position = 0;
}
