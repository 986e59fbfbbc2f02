#include "tools/media_maker/wave_writer.h"

namespace {

void put(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

void tag(std::vector<uint8_t>& out, const char* four) {
    out.insert(out.end(), four, four + 4);
}

} // namespace

std::vector<uint8_t> encode_wave(const std::vector<int16_t>& samples, int channels,
                                 int sample_rate) {
    auto data_bytes = static_cast<uint32_t>(samples.size() * 2);
    auto block_align = static_cast<uint32_t>(channels * 2);
    std::vector<uint8_t> out;
    tag(out, "RIFF");
    put(out, 36 + data_bytes, 4);
    tag(out, "WAVE");
    tag(out, "fmt ");
    put(out, 16, 4);
    put(out, 1, 2); // integer PCM
    put(out, static_cast<uint32_t>(channels), 2);
    put(out, static_cast<uint32_t>(sample_rate), 4);
    put(out, static_cast<uint32_t>(sample_rate) * block_align, 4);
    put(out, block_align, 2);
    put(out, 16, 2);
    tag(out, "data");
    put(out, data_bytes, 4);
    for (int16_t sample : samples) put(out, static_cast<uint16_t>(sample), 2);
    return out;
}
