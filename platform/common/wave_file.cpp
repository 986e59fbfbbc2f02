#include "platform/common/wave_file.h"

#include <fstream>
#include <sys/stat.h>

namespace {

constexpr uint64_t largest_file = 256ull << 20;
constexpr unsigned format_pcm = 1;
constexpr unsigned format_float = 3;
constexpr unsigned format_extensible = 0xFFFE;

uint32_t little32(const std::string& bytes, size_t at) {
    return static_cast<uint32_t>(static_cast<uint8_t>(bytes[at])) |
           static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + 1])) << 8 |
           static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + 2])) << 16 |
           static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + 3])) << 24;
}

unsigned little16(const std::string& bytes, size_t at) {
    return static_cast<unsigned>(static_cast<uint8_t>(bytes[at])) |
           static_cast<unsigned>(static_cast<uint8_t>(bytes[at + 1])) << 8;
}

bool read_format(const std::string& bytes, size_t at, uint32_t size, WaveSound* sound) {
    if (size < 16) return false;
    sound->format_tag = little16(bytes, at);
    sound->channels = little16(bytes, at + 2);
    sound->sample_rate = little32(bytes, at + 4);
    sound->block_align = little16(bytes, at + 12);
    sound->bits_per_sample = little16(bytes, at + 14);
    // The extensible form names the real format in the first bytes of its sub-format GUID.
    if (sound->format_tag == format_extensible) {
        if (size < 40) return false;
        sound->format_tag = little16(bytes, at + 24);
    }
    bool integer = sound->format_tag == format_pcm &&
                   (sound->bits_per_sample == 8 || sound->bits_per_sample == 16 ||
                    sound->bits_per_sample == 24 || sound->bits_per_sample == 32);
    bool real = sound->format_tag == format_float && sound->bits_per_sample == 32;
    return (integer || real) && sound->channels >= 1 && sound->channels <= 8 &&
           sound->sample_rate >= 1000 && sound->sample_rate <= 384000 &&
           sound->block_align == sound->channels * sound->bits_per_sample / 8;
}

} // namespace

bool parse_wave(const std::string& bytes, WaveSound* sound) {
    if (bytes.size() < 12 || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "WAVE") != 0)
        return false;
    bool have_format = false;
    size_t at = 12;
    while (at + 8 <= bytes.size()) {
        uint32_t size = little32(bytes, at + 4);
        size_t body = at + 8;
        size_t available = bytes.size() - body;
        if (bytes.compare(at, 4, "fmt ") == 0) {
            if (size > available || !read_format(bytes, body, size, sound)) return false;
            have_format = true;
        } else if (bytes.compare(at, 4, "data") == 0) {
            if (!have_format) return false;
            // Writers that stop early leave a data size beyond the end: play what is there.
            size_t length = size < available ? size : available;
            length -= length % sound->block_align;
            if (length == 0) return false;
            sound->samples.assign(bytes.begin() + static_cast<long>(body),
                                  bytes.begin() + static_cast<long>(body + length));
            return true;
        }
        if (size > available) return false;
        at = body + size + (size & 1);
    }
    return false;
}

bool read_wave_file(const char* path, WaveSound* sound) {
    if (!path) return false;
    struct stat info {};
    if (stat(path, &info) != 0 || !S_ISREG(info.st_mode) ||
        static_cast<uint64_t>(info.st_size) > largest_file)
        return false;
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::string bytes(static_cast<size_t>(info.st_size), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<size_t>(in.gcount()));
    return parse_wave(bytes, sound);
}
