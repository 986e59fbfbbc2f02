#include "platform/common/wave_file.h"
#include "platform/sound.h"
#include "tests/support/test_env.h"

#include <gtest/gtest.h>
#include <string>

namespace {

void put16(std::string& out, unsigned v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>((v >> 8) & 0xFF);
}
void put32(std::string& out, uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

// A RIFF WAVE file of 16-bit PCM: a short square wave.
std::string wave(unsigned channels, unsigned rate, unsigned frames, bool with_extra_chunk = false) {
    std::string format;
    put16(format, 1);
    put16(format, channels);
    put32(format, rate);
    put32(format, rate * channels * 2);
    put16(format, channels * 2);
    put16(format, 16);
    std::string data;
    for (unsigned i = 0; i < frames * channels; ++i) put16(data, (i / 8) % 2 ? 0x2000 : 0xE000);
    std::string body = "WAVE";
    body += "fmt ";
    put32(body, static_cast<uint32_t>(format.size()));
    body += format;
    if (with_extra_chunk) {
        body += "LIST";
        put32(body, 3);
        body += "abc";
        body += '\0'; // odd chunks are padded
    }
    body += "data";
    put32(body, static_cast<uint32_t>(data.size()));
    body += data;
    std::string file = "RIFF";
    put32(file, static_cast<uint32_t>(body.size()));
    return file + body;
}

TEST(Sound, ValidWaveFilesPlaySilentlyAndStop) {
    std::string dir = make_temp_dir("sound");
    write_file(dir + "/mono.wav", wave(1, 22050, 441));
    write_file(dir + "/stereo.wav", wave(2, 44100, 100, true));
    EXPECT_TRUE(play_sound_loop((dir + "/mono.wav").c_str()));
    EXPECT_TRUE(play_sound_loop((dir + "/stereo.wav").c_str()));
    stop_sound();
    stop_sound();
}

TEST(Sound, AnythingElseIsRefused) {
    std::string dir = make_temp_dir("sound");
    write_file(dir + "/garbage.wav", "this is not a sound at all, just text");
    write_file(dir + "/empty.wav", "");
    EXPECT_FALSE(play_sound_loop((dir + "/garbage.wav").c_str()));
    EXPECT_FALSE(play_sound_loop((dir + "/empty.wav").c_str()));
    EXPECT_FALSE(play_sound_loop((dir + "/missing.wav").c_str()));
    EXPECT_FALSE(play_sound_loop(dir.c_str())); // a directory
    EXPECT_FALSE(play_sound_loop(nullptr));
}

TEST(WaveParsing, HeaderLiesAreBoundedByTheRealBytes) {
    WaveSound sound;
    std::string good = wave(2, 8000, 10);
    ASSERT_TRUE(parse_wave(good, &sound));
    EXPECT_EQ(sound.channels, 2u);
    EXPECT_EQ(sound.sample_rate, 8000u);
    EXPECT_EQ(sound.samples.size(), 40u);

    // A data chunk claiming more than the file holds plays the whole frames that are there.
    std::string cut = good.substr(0, good.size() - 5);
    ASSERT_TRUE(parse_wave(cut, &sound));
    EXPECT_EQ(sound.samples.size(), 32u);

    // A format chunk claiming to run past the end, or a huge unknown chunk, is refused.
    std::string long_format = good;
    long_format[16] = '\xFF';
    long_format[19] = '\x7F';
    EXPECT_FALSE(parse_wave(long_format, &sound));

    std::string no_data = good.substr(0, 36);
    EXPECT_FALSE(parse_wave(no_data, &sound));
    EXPECT_FALSE(parse_wave(good.substr(0, 11), &sound));
}

TEST(WaveParsing, ImpossibleFormatsAreRefused) {
    WaveSound sound;
    std::string zero_channels = wave(1, 8000, 10);
    zero_channels[22] = 0;
    EXPECT_FALSE(parse_wave(zero_channels, &sound));
    std::string compressed = wave(1, 8000, 10);
    compressed[20] = 2; // ADPCM
    EXPECT_FALSE(parse_wave(compressed, &sound));
    std::string bad_align = wave(1, 8000, 10);
    bad_align[32] = 7;
    EXPECT_FALSE(parse_wave(bad_align, &sound));
    std::string no_frames = wave(1, 8000, 0);
    EXPECT_FALSE(parse_wave(no_frames, &sound));
}

} // namespace
