// Reading RIFF WAVE files for the looping sound, bounded by the file's real size so that a
// damaged or hostile file is refused rather than over-read.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct WaveSound {
    unsigned format_tag; // 1 integer PCM, 3 IEEE float (the extensible form is resolved)
    unsigned channels;
    unsigned sample_rate;
    unsigned bits_per_sample;
    unsigned block_align;
    std::vector<uint8_t> samples; // whole frames only
};

// Parses the bytes of a WAVE file; false when they are not a playable one.
bool parse_wave(const std::string& bytes, WaveSound* sound);
// Reads and parses a file (refusing files larger than a looping sound can sensibly be).
bool read_wave_file(const char* path, WaveSound* sound);
