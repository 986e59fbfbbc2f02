#include "tools/media_maker/quantise.h"

#include <algorithm>
#include <cmath>

namespace {

struct Box {
    size_t begin, end; // into the sorted colour list
    int widest_channel = 0;
    int spread = 0;
};

using Key = std::array<uint8_t, 3>;

void measure(Box& box, const std::vector<Key>& colours) {
    Key low{255, 255, 255}, high{0, 0, 0};
    for (size_t i = box.begin; i < box.end; ++i)
        for (int c = 0; c < 3; ++c) {
            low[c] = std::min(low[c], colours[i][c]);
            high[c] = std::max(high[c], colours[i][c]);
        }
    box.spread = -1;
    for (int c = 0; c < 3; ++c)
        if (high[c] - low[c] > box.spread) box.spread = high[c] - low[c], box.widest_channel = c;
}

// Bayer 4 x 4 thresholds in (-0.5, 0.5), one byte step wide.
float dither(int x, int y) {
    static const int matrix[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    return (static_cast<float>(matrix[y & 3][x & 3]) + 0.5f) / 16.0f - 0.5f;
}

} // namespace

uint8_t to_byte(float channel) {
    float scaled = std::round(channel * 255.0f);
    return static_cast<uint8_t>(std::min(255.0f, std::max(0.0f, scaled)));
}

MappedImage quantise(const Canvas& canvas) {
    std::vector<Key> colours;
    colours.reserve(canvas.pixels.size());
    for (const Colour& pixel : canvas.pixels)
        colours.push_back({to_byte(pixel.r), to_byte(pixel.g), to_byte(pixel.b)});

    std::vector<Key> sorted = colours;
    std::vector<Box> boxes{{0, sorted.size()}};
    measure(boxes[0], sorted);
    while (boxes.size() < 256) {
        // Split the box whose colours differ most, weighted by how many pixels it covers, so
        // that large smooth areas get the fine steps they need.
        size_t pick = boxes.size();
        double best = 0;
        for (size_t i = 0; i < boxes.size(); ++i) {
            double score = static_cast<double>(boxes[i].spread) *
                           std::sqrt(static_cast<double>(boxes[i].end - boxes[i].begin));
            if (boxes[i].end - boxes[i].begin > 1 && boxes[i].spread > 0 && score > best)
                best = score, pick = i;
        }
        if (pick == boxes.size()) break;
        Box box = boxes[pick];
        int channel = box.widest_channel;
        auto first = sorted.begin() + static_cast<std::ptrdiff_t>(box.begin);
        auto last = sorted.begin() + static_cast<std::ptrdiff_t>(box.end);
        auto middle = first + (last - first) / 2;
        std::nth_element(first, middle, last, [channel](const Key& a, const Key& b) {
            return a[channel] != b[channel] ? a[channel] < b[channel] : a < b;
        });
        auto cut = static_cast<size_t>(middle - sorted.begin());
        Box lower{box.begin, cut}, upper{cut, box.end};
        measure(lower, sorted);
        measure(upper, sorted);
        boxes[pick] = lower;
        boxes.push_back(upper);
    }

    MappedImage image;
    for (size_t i = 0; i < boxes.size(); ++i) {
        double sum[3] = {0, 0, 0};
        for (size_t k = boxes[i].begin; k < boxes[i].end; ++k)
            for (int c = 0; c < 3; ++c) sum[c] += sorted[k][c];
        auto count = static_cast<double>(boxes[i].end - boxes[i].begin);
        image.palette[i] = {static_cast<uint8_t>(std::lround(sum[0] / count)),
                            static_cast<uint8_t>(std::lround(sum[1] / count)),
                            static_cast<uint8_t>(std::lround(sum[2] / count))};
    }

    // Nearest entry per distinct colour; a picture repeats its colours a great deal.
    std::vector<int> nearest(1 << 24, -1);
    image.indices.resize(colours.size());
    for (int y = 0; y < canvas.height; ++y)
        for (int x = 0; x < canvas.width; ++x) {
            size_t at = static_cast<size_t>(y) * canvas.width + x;
            const Colour& pixel = canvas.pixels[at];
            float offset = dither(x, y) / 255.0f;
            Key key{to_byte(pixel.r + offset), to_byte(pixel.g + offset),
                    to_byte(pixel.b + offset)};
            int packed = key[0] << 16 | key[1] << 8 | key[2];
            if (nearest[packed] < 0) {
                int best = 0, best_distance = 1 << 30;
                for (size_t i = 0; i < boxes.size(); ++i) {
                    int dr = key[0] - image.palette[i].r, dg = key[1] - image.palette[i].g,
                        db = key[2] - image.palette[i].b;
                    int distance = 2 * dr * dr + 4 * dg * dg + db * db;
                    if (distance < best_distance)
                        best_distance = distance, best = static_cast<int>(i);
                }
                nearest[packed] = best;
            }
            image.indices[at] = static_cast<uint8_t>(nearest[packed]);
        }
    return image;
}
