#include "saver/engine/targa_reader.h"
#include "tests/engine/targa_bytes.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

namespace {

// A 256-entry map in which entry i is blue i, green 255 - i, red i / 2.
Bytes graded_map() {
    Bytes map;
    for (int i = 0; i < 256; ++i) {
        map.push_back(static_cast<uint8_t>(i));
        map.push_back(static_cast<uint8_t>(255 - i));
        map.push_back(static_cast<uint8_t>(i / 2));
    }
    return map;
}

// A palette table with guard bytes behind it, so that a write past its end shows.
struct GuardedPalette {
    uint8_t table[PALETTE_TABLE_SIZE];
    uint8_t guard[512];
    GuardedPalette() {
        std::memset(table, 0xEE, sizeof table);
        std::memset(guard, 0x5A, sizeof guard);
    }
    bool guard_intact() const {
        for (uint8_t b : guard)
            if (b != 0x5A) return false;
        return true;
    }
};

bool decode(const Bytes& file, RgbImage& image, bool halve = false) {
    static GuardedPalette palette;
    return read_targa(file.data(), file.size(), halve, palette.table, image);
}

Bytes pixel(const RgbImage& image, int x, int y) {
    const uint8_t* p = &image.rgb[(static_cast<size_t>(y) * image.width + x) * 3];
    return {p[0], p[1], p[2]};
}

TEST(TargaReader, TrueColourComesOutAsRgbInFileOrder) {
    const Bytes file = true_colour(2, 2, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
    RgbImage image;
    ASSERT_TRUE(decode(file, image));
    EXPECT_EQ(image.width, 2);
    EXPECT_EQ(image.height, 2);
    EXPECT_EQ(pixel(image, 0, 0), (Bytes{3, 2, 1}));
    EXPECT_EQ(pixel(image, 1, 0), (Bytes{6, 5, 4}));
    EXPECT_EQ(pixel(image, 0, 1), (Bytes{9, 8, 7}));
    EXPECT_EQ(pixel(image, 1, 1), (Bytes{12, 11, 10}));
}

TEST(TargaReader, ColourMappedIndicesLookUpTheMap) {
    const Bytes map = graded_map();
    const Bytes file = colour_mapped(3, 1, map, {0, 5, 255});
    GuardedPalette palette;
    RgbImage image;
    ASSERT_TRUE(read_targa(file.data(), file.size(), false, palette.table, image));
    EXPECT_EQ(pixel(image, 0, 0), (Bytes{0, 255, 0}));
    EXPECT_EQ(pixel(image, 1, 0), (Bytes{2, 250, 5}));
    EXPECT_EQ(pixel(image, 2, 0), (Bytes{127, 0, 255}));
    // The table keeps the map as read, blue first; the rest is cleared.
    EXPECT_EQ(0, std::memcmp(palette.table, map.data(), map.size()));
    EXPECT_EQ(palette.table[map.size()], 0);
    EXPECT_EQ(palette.table[PALETTE_TABLE_SIZE - 1], 0);
}

TEST(TargaReader, IndicesBeyondAShortMapAreBlackNotThePreviousImagesColours) {
    GuardedPalette palette; // full of 0xEE, as if an earlier image had left it
    const Bytes file = colour_mapped(2, 1, {10, 20, 30, 40, 50, 60}, {1, 7});
    RgbImage image;
    ASSERT_TRUE(read_targa(file.data(), file.size(), false, palette.table, image));
    EXPECT_EQ(pixel(image, 0, 0), (Bytes{60, 50, 40}));
    EXPECT_EQ(pixel(image, 1, 0), (Bytes{0, 0, 0}));
}

TEST(TargaReader, IdFieldAndTrueColourMapAreSkipped) {
    Bytes file = header_bytes({2, 0, 0, 0, 1, 1, 24, 7});
    file.insert(file.end(), {1, 2, 3});
    RgbImage image;
    ASSERT_TRUE(decode(file, image));
    EXPECT_EQ(pixel(image, 0, 0), (Bytes{3, 2, 1}));

    // A true-colour image may carry a map of 16-bit entries it does not use.
    file = header_bytes({2, 1, 3, 16, 1, 1, 24, 0});
    file.insert(file.end(), {9, 9, 9, 9, 9, 9, 1, 2, 3});
    ASSERT_TRUE(decode(file, image));
    EXPECT_EQ(pixel(image, 0, 0), (Bytes{3, 2, 1}));
}

// Index of source pixel (x, y) in the halving tests: distinct for neighbouring columns and rows.
uint8_t index_at(int x, int y) {
    return static_cast<uint8_t>(x * 7 + y * 13);
}

Bytes grey_map() {
    Bytes map;
    for (int i = 0; i < 256; ++i) map.insert(map.end(), 3, static_cast<uint8_t>(i));
    return map;
}

Bytes indexed_pattern(int width, int height) {
    Bytes indices(static_cast<size_t>(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            indices[static_cast<size_t>(y) * width + x] = index_at(x, y);
    return indices;
}

TEST(TargaReader, LargeColourMappedImagesAreHalvedFromEvenColumnsOfRowPairs) {
    const int width = 1002, height = 1000; // 1,002,000 pixels
    const Bytes file = colour_mapped(width, height, grey_map(), indexed_pattern(width, height));
    RgbImage image;
    ASSERT_TRUE(decode(file, image, true));
    ASSERT_EQ(image.width, 501);
    ASSERT_EQ(image.height, 500);
    int wrong = 0;
    for (int y = 0; y < image.height; ++y) {
        const int source_row = (y / 2) * 4 + y % 2;
        for (int x = 0; x < image.width; ++x)
            if (pixel(image, x, y)[0] != index_at(2 * x, source_row)) ++wrong;
    }
    EXPECT_EQ(wrong, 0);

    ASSERT_TRUE(decode(file, image, false));
    EXPECT_EQ(image.width, width);
    EXPECT_EQ(image.height, height);
    EXPECT_EQ(pixel(image, 1001, 999)[0], index_at(1001, 999));
}

TEST(TargaReader, HalvingStartsAboveOneMillionPixelsAndOnlyForColourMapped) {
    RgbImage image;
    ASSERT_TRUE(decode(colour_mapped(1000, 1000, grey_map(), Bytes(1000000, 1)), image, true));
    EXPECT_EQ(image.width, 1000);

    // 1,000,001 = 101 x 9901 pixels, the first size that is halved.
    ASSERT_TRUE(decode(colour_mapped(101, 9901, grey_map(), Bytes(1000001, 1)), image, true));
    EXPECT_EQ(image.width, 50);
    EXPECT_EQ(image.height, 4950);

    ASSERT_TRUE(decode(true_colour(1002, 1000, Bytes(1002 * 1000 * 3, 4)), image, true));
    EXPECT_EQ(image.width, 1002);
    EXPECT_EQ(image.height, 1000);
}

TEST(TargaReader, RefusesOtherTypesDepthsAndMaps) {
    const TargaHeader refused[] = {
        {0, 0, 0, 0, 1, 1, 24, 0},  // no image
        {3, 0, 0, 0, 1, 1, 8, 0},   // grey scale
        {9, 1, 1, 24, 1, 1, 8, 0},  // run-length colour-mapped
        {10, 0, 0, 0, 1, 1, 24, 0}, // run-length true colour
        {2, 0, 0, 0, 1, 1, 16, 0},  {2, 0, 0, 0, 1, 1, 32, 0}, {2, 0, 0, 0, 1, 1, 8, 0},
        {1, 1, 1, 24, 1, 1, 24, 0}, // colour-mapped pixels must be indices
        {1, 1, 1, 24, 1, 1, 16, 0}, {1, 0, 0, 0, 1, 1, 8, 0}, // colour-mapped without a map
        {1, 1, 1, 16, 1, 1, 8, 0},  {1, 1, 1, 32, 1, 1, 8, 0}, {2, 0, 0, 0, 0, 5, 24, 0},
        {2, 0, 0, 0, 5, 0, 24, 0}, // empty images
    };
    for (const TargaHeader& h : refused) {
        Bytes file = header_bytes(h);
        file.resize(file.size() + 4096, 1); // enough for any map and pixel in the list
        RgbImage image;
        EXPECT_FALSE(decode(file, image)) << "type " << h.type << " depth " << h.depth;
        EXPECT_EQ(image.rgb, nullptr);
    }
}

TEST(TargaReader, ShortFilesAreRefusedAtEveryCut) {
    const Bytes mapped = colour_mapped(4, 2, graded_map(), Bytes(8, 3));
    const Bytes rgb = true_colour(4, 2, Bytes(24, 3));
    for (const Bytes* whole : {&mapped, &rgb}) {
        RgbImage image;
        ASSERT_TRUE(decode(*whole, image));
        for (size_t cut = 0; cut < whole->size(); ++cut) {
            const Bytes part(whole->begin(), whole->begin() + cut);
            EXPECT_FALSE(decode(part, image)) << "cut at " << cut;
            EXPECT_EQ(image.width, 0);
            EXPECT_EQ(image.rgb, nullptr);
        }
    }
}

TEST(TargaReader, HugeSizesAreRefusedBeforeAnyAllocation) {
    // 65535 x 65535 claims 12 GB of pixels in a file of a few bytes.
    Bytes file = true_colour(65535, 65535, Bytes(64, 1));
    RgbImage image;
    EXPECT_FALSE(decode(file, image));
    file = colour_mapped(65535, 65535, graded_map(), Bytes(64, 1));
    EXPECT_FALSE(decode(file, image, true));

    // A complete file beyond the pixel limit is not expanded either.
    const int width = 8193, height = 8192;
    file = colour_mapped(width, height, grey_map(), Bytes(static_cast<size_t>(width) * height, 1));
    EXPECT_FALSE(decode(file, image));
}

TEST(TargaReader, ColourMapLongerThanThePaletteTableIsCutNotOverflowed) {
    const int entries = 65535;
    Bytes map(static_cast<size_t>(entries) * 3, 0x77);
    map[3 * 255] = 1; // entry 255: blue 1, green 2, red 3
    map[3 * 255 + 1] = 2;
    map[3 * 255 + 2] = 3;
    const Bytes file = colour_mapped(2, 1, map, {255, 0});
    GuardedPalette palette;
    RgbImage image;
    ASSERT_TRUE(read_targa(file.data(), file.size(), false, palette.table, image));
    EXPECT_TRUE(palette.guard_intact());
    // The pixels are found behind the whole map.
    EXPECT_EQ(pixel(image, 0, 0), (Bytes{3, 2, 1}));
    EXPECT_EQ(pixel(image, 1, 0), (Bytes{0x77, 0x77, 0x77}));
}

TEST(TargaReader, MangledHeadersNeverReadOutOfBounds) {
    const Bytes seed = colour_mapped(8, 4, graded_map(), Bytes(32, 9));
    std::mt19937 random(12345);
    int accepted = 0;
    for (int round = 0; round < 3000; ++round) {
        Bytes file = seed;
        for (int k = 0; k < 3; ++k)
            file[random() % TARGA_HEADER_SIZE] = static_cast<uint8_t>(random());
        if (round % 2) file.resize(random() % (file.size() + 1));
        GuardedPalette palette;
        RgbImage image;
        if (read_targa(file.data(), file.size(), true, palette.table, image)) {
            ++accepted;
            ASSERT_NE(image.rgb, nullptr);
            ASSERT_GT(image.width, 0);
            ASSERT_GT(image.height, 0);
        }
        ASSERT_TRUE(palette.guard_intact());
    }
    EXPECT_GT(accepted, 0);
}

} // namespace
