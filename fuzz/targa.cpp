// Backdrop images: any bytes, decoded both at full size and with large 8-bit images halved.
// Images large enough to be halved are a megabyte at least; mutating files that size would
// make the fuzzer crawl, so a short input whose header declares such an image is also tried
// as the whole file, its pixel bytes repeated up to the declared size.
#include "saver/engine/targa_reader.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <vector>

namespace {

// Just above the threshold, so that a padded image costs a few milliseconds.
constexpr long long MAX_PADDED_PIXELS = HALVING_THRESHOLD + HALVING_THRESHOLD / 8;

void decode(const uint8_t* data, size_t size, std::initializer_list<bool> halving) {
    static uint8_t palette[PALETTE_TABLE_SIZE];
    for (bool halve : halving) {
        RgbImage image;
        if (!read_targa(data, size, halve, palette, image)) {
            if (image.rgb || image.width || image.height) std::abort();
            continue;
        }
        if (image.width <= 0 || image.height <= 0 || !image.rgb ||
            static_cast<long long>(image.width) * image.height > MAX_TARGA_PIXELS)
            std::abort();
        // Touch the last pixel so that a short allocation shows.
        const size_t last = static_cast<size_t>(image.width) * image.height * 3 - 1;
        volatile uint8_t sink = image.rgb[last];
        (void)sink;
    }
}

// The input with its pixel bytes repeated up to the size its header declares, when that is
// an image the halving applies to; empty otherwise.
std::vector<uint8_t> padded_large_image(const uint8_t* data, size_t size) {
    if (size < TARGA_HEADER_SIZE || data[2] != 1 || data[16] != 8) return {};
    const long long pixels =
        static_cast<long long>(data[12] | data[13] << 8) * (data[14] | data[15] << 8);
    if (pixels < HALVING_THRESHOLD || pixels > MAX_PADDED_PIXELS) return {};
    const size_t map = static_cast<size_t>(data[5] | data[6] << 8) * 3;
    const size_t start = TARGA_HEADER_SIZE + data[0] + map;
    if (start >= size) return {};
    std::vector<uint8_t> file(start + static_cast<size_t>(pixels));
    std::memcpy(file.data(), data, size);
    for (size_t at = size; at < file.size();) {
        const size_t length = std::min(at - start, file.size() - at);
        std::memcpy(file.data() + at, file.data() + start, length);
        at += length;
    }
    return file;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    decode(data, size, {false, true});
    const std::vector<uint8_t> large = padded_large_image(data, size);
    if (!large.empty()) decode(large.data(), large.size(), {true});
    return 0;
}
