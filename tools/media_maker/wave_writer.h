// RIFF WAVE files of 16-bit integer PCM.
#pragma once

#include <cstdint>
#include <vector>

// samples hold the frames interleaved, channels values per frame.
std::vector<uint8_t> encode_wave(const std::vector<int16_t>& samples, int channels,
                                 int sample_rate);
