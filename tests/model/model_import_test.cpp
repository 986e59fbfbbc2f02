#include "saver/engine/engine_state.h"
#include "saver/model/dem_reader.h"
#include "saver/model/dxf_reader.h"
#include "saver/model/model_import.h"
#include "saver/model/view.h"
#include "tests/support/test_env.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Star {
    int x, y, z;
    bool operator==(const Star& o) const { return x == o.x && y == o.y && z == o.z; }
};

std::ostream& operator<<(std::ostream& out, const Star& s) {
    return out << "(" << s.x << ", " << s.y << ", " << s.z << ")";
}

Star star_of(const uint8_t (&stars)[PLANE_COUNT][STAR_COUNT], int i) {
    return {stars[PLANE_XH][i] << 8 | stars[PLANE_XL][i],
            stars[PLANE_YH][i] << 8 | stars[PLANE_YL][i],
            stars[PLANE_ZH][i] << 8 | stars[PLANE_ZL][i]};
}

std::string point(double x, double y, double z) {
    char text[160];
    std::snprintf(text, sizeof text, "0\nPOINT\n8\nLAYER\n10\n%g\n20\n%g\n30\n%g\n", x, y, z);
    return text;
}

class DxfReader : public ::testing::Test {
  protected:
    void SetUp() override { std::memset(stars, 0xAB, sizeof stars); }
    long long read(const std::string& text, const DxfImport& import) {
        MemoryCursor cursor{reinterpret_cast<const uint8_t*>(text.data()), text.size(), 0};
        const long long points = read_dxf(memory_source(&cursor), import, stars);
        consumed = cursor.at;
        return points;
    }
    static Star untouched() { return {0xABAB, 0xABAB, 0xABAB}; }
    uint8_t stars[PLANE_COUNT][STAR_COUNT];
    size_t consumed = 0;
};

TEST_F(DxfReader, APointLandsScaledTruncatedAndWithTheDrawingsYAsDepth) {
    struct Case {
        int track20e;
        Star expected;
    } cases[] = {{0, {32768, 32767, 32765}}, {3, {32782, 32769, 32747}}};
    for (const Case& c : cases) {
        const std::string text = point(1.5, -2, 0.25) + "0\nEOF\n";
        EXPECT_EQ(read(text, dxf_import_from_sliders(c.track20e, 0, 0)), 1);
        EXPECT_EQ(star_of(stars, 0), c.expected) << "track20e " << c.track20e;
        EXPECT_EQ(star_of(stars, 1), untouched());
    }
}

TEST_F(DxfReader, SkipAndThinningChooseWhichPointsBecomeStars) {
    std::string text;
    for (int i = 1; i <= 420; ++i) text += point(i, 0, 0);
    // track20l = 1: the first 200 points are overwritten on star 0 by the 201st.
    EXPECT_EQ(read(text, dxf_import_from_sliders(0, 0, 1)), 420);
    EXPECT_EQ(star_of(stars, 0).x, 32767 + 201);
    EXPECT_EQ(star_of(stars, 1).x, 32767 + 202);
    EXPECT_EQ(star_of(stars, 219).x, 32767 + 420);
    EXPECT_EQ(star_of(stars, 220), untouched());
    // track20k = 2: a new star every third point, each keeping the last one written.
    SetUp();
    std::string seven;
    for (int i = 1; i <= 7; ++i) seven += point(i, 0, 0);
    read(seven, dxf_import_from_sliders(0, 2, 0));
    EXPECT_EQ(star_of(stars, 0).x, 32767 + 3);
    EXPECT_EQ(star_of(stars, 1).x, 32767 + 6);
    EXPECT_EQ(star_of(stars, 2).x, 32767 + 7);
    EXPECT_EQ(star_of(stars, 3), untouched());
}

TEST_F(DxfReader, BlanksInsideLinesAndCarriageReturnsAreNoPartOfAToken) {
    const std::string text =
        "  0\r\nPOINT\r\n  10\r\n 1 2\r\n 20\r\n-3\r\n 30\r\n4\r\n  0\r\nEOF\r\n";
    EXPECT_EQ(read(text, dxf_import_from_sliders(0, 0, 0)), 1);
    EXPECT_EQ(star_of(stars, 0), (Star{32767 + 12, 32767 + 4, 32767 - 3}));
}

TEST_F(DxfReader, HostileDrawingsEndQuietlyWithinTheTable) {
    const std::string long_line(100000, '0');
    struct Case {
        const char* what;
        std::string text;
        long long points;
        Star first;
    } cases[] = {
        {"no EOF", point(1, 2, 3), 1, {32768, 32770, 32769}},
        {"cut inside a point", "0\nPOINT\n10\n1\n20\n", 0, untouched()},
        {"no newline after the last value", "0\n10\n1\n20\n2\n30\n3", 0, untouched()},
        {"EOF while looking for 10", "0\nPOINT\n8\nEOF\n" + point(1, 1, 1), 0, untouched()},
        {"lines far beyond the token buffer",
         "0\n" + long_line + "\n10\n" + long_line + "1\n20\n1\n30\n1\n",
         1,
         {32767, 32768, 32768}},
        {"words, NaN and infinity count as 0",
         "0\n10\nnan\n20\ninf\n30\n-inf\n",
         1,
         {32767, 32767, 32767}},
        {"hexadecimal is no number", "0\n10\n0x10\n20\n0\n30\n0\n", 1, {32767, 32767, 32767}},
        {"binary noise", std::string("\0\x01\xff\x80 0\n\x7f\xfe", 9), 0, untouched()},
        {"only zeros", std::string(5000, '0') + "\n0\n0\n0\n", 0, untouched()},
        {"empty", "", 0, untouched()},
    };
    for (const Case& c : cases) {
        SetUp();
        EXPECT_EQ(read(c.text, dxf_import_from_sliders(0, 0, 0)), c.points) << c.what;
        EXPECT_EQ(star_of(stars, 0), c.first) << c.what;
    }
}

uint16_t centred(int value) {
    return static_cast<uint16_t>(static_cast<uint32_t>(value) + 32767u);
}

TEST_F(DxfReader, ValuesInExponentFormAreTheNumbersTheyWrite) {
    constexpr int MOST = 0x7FFFFFFF;
    struct Case {
        const char* text;
        int value; // at scale 1, truncated
    } cases[] = {
        {"1.5E+02", 150},
        {"6.123233995736766E-17", 0},
        {"-6.123233995736766E-17", 0},
        {"-1.5e2", -150},
        {"1E3", 1000},
        {"1.25e1", 12},
        {"-6.5E-1", 0},
        {"2.5E-05", 0},
        {"1.5e+0000000000000000000002", 150},
        {"1e999", MOST},
        {"-1e999", -MOST - 1},
        {"1e-999", 0},
        // What the plain reader makes of other text stays as it was.
        {"577.00000", 577},
        {"-3.000000", -3},
        {"5770000000", 577000000}, // its first nine characters
        {"1.5E", 0},
        {"1.5E+", 0},
        {"E5", 0},
        {"1.5E2x", 0},
        {"1.5E2.5", 0},
    };
    for (const Case& c : cases) {
        SetUp();
        const std::string text = std::string("0\nPOINT\n10\n") + c.text + "\n20\n0\n30\n0\n";
        EXPECT_EQ(read(text, dxf_import_from_sliders(0, 0, 0)), 1) << c.text;
        EXPECT_EQ(star_of(stars, 0), (Star{centred(c.value), 32767, 32767})) << c.text;
    }
}

// A drawing written by a real DXF library (tests/fixtures/dxf/make_ezdxf_points.py): its last
// three points are the script's entities, after whatever the header's values make.
TEST_F(DxfReader, ADrawingWrittenByEzdxfLandsWhereItsPointsAre) {
    const std::string drawing =
        read_file(std::string(SOLVANTRIX_SOURCE_DIR) + "/tests/fixtures/dxf/ezdxf_points.dxf");
    ASSERT_FALSE(drawing.empty());
    const double entities[3][3] = {{6.123233995736766e-14, 150.0, -2.5},
                                   {2.5e-05, -7.25e-05, 1e-05},
                                   {-3e-05, 0.0025, 1250.5}};
    for (int track20e : {0, 300}) {
        SetUp();
        const DxfImport import = dxf_import_from_sliders(track20e, 0, 0);
        const long long points = read(drawing, import);
        ASSERT_GE(points, 3) << "track20e " << track20e;
        for (int i = 0; i < 3; ++i) {
            auto at = [&](double v) {
                return centred(static_cast<int>(static_cast<float>(v) * import.scale));
            };
            const double* p = entities[i];
            EXPECT_EQ(star_of(stars, static_cast<int>(points) - 3 + i),
                      (Star{at(p[0]), at(p[2]), at(p[1])}))
                << "entity " << i << ", track20e " << track20e;
        }
    }
}

TEST_F(DxfReader, HugeScalesAndValuesSaturateInsteadOfOverflowing) {
    // A damaged View can hold a slider far beyond its range.
    const std::string text = "0\n10\n999999999\n20\n-99999999\n30\n1\n";
    EXPECT_EQ(read(text, dxf_import_from_sliders(1000000, -5, 2000000)), 1);
    const int most = (32767u + 0x7FFFFFFFu) & 0xFFFF, least = (32767u + 0x80000000u) & 0xFFFF;
    EXPECT_EQ(star_of(stars, 0), (Star{most, most, least}));
}

TEST_F(DxfReader, NeverMoreStarsThanTheTableHolds) {
    std::string text;
    for (int i = 0; i < STAR_COUNT + 500; ++i)
        text += "0\n10\n" + std::to_string(i % 9) + "\n20\n0\n30\n0\n";
    EXPECT_EQ(read(text, dxf_import_from_sliders(0, 0, 0)), STAR_COUNT);
    // The reading stops at the full table instead of running through the rest.
    EXPECT_LT(consumed, text.size());
    EXPECT_EQ(star_of(stars, STAR_COUNT - 1).x, 32767 + (STAR_COUNT - 1) % 9);
}

TEST_F(DxfReader, ALongStreamWithoutLineEndsIsReadInBlocks) {
    // Forty megabytes that never end a line: read through in constant memory, no point.
    struct Endless {
        size_t left = 40u << 20;
    } endless;
    const ByteSource source{[](void* context, uint8_t* buffer, size_t size) {
                                auto* e = static_cast<Endless*>(context);
                                const size_t n = std::min(size, e->left);
                                std::memset(buffer, '5', n);
                                e->left -= n;
                                return n;
                            },
                            &endless};
    EXPECT_EQ(read_dxf(source, dxf_import_from_sliders(0, 0, 0), stars), 0);
    EXPECT_EQ(endless.left, 0u);
}

TEST(DemReader, StoredValuesBecomeCoordinatesAroundTheCentre) {
    const std::pair<uint16_t, uint16_t> cases[] = {{0, 32767}, {1, 32768},    {32766, 65533},
                                                   {32767, 0}, {40000, 7233}, {65535, 32768}};
    for (const auto& [stored, coordinate] : cases) EXPECT_EQ(dem_coordinate(stored), coordinate);
}

TEST(DemReader, AllZeroPointsGatherAtTheCentreAndShortFilesKeepTheRest) {
    static uint8_t stars[PLANE_COUNT][STAR_COUNT];
    std::memset(stars, 0x11, sizeof stars);
    std::vector<uint8_t> bytes(70000, 0);
    EXPECT_EQ(read_dem(bytes.data(), bytes.size(), stars), DEM_POINTS);
    for (int k : {0, 1000, DEM_POINTS - 1})
        EXPECT_EQ(star_of(stars, k), (Star{32767, 32767, 32767}));
    EXPECT_EQ(star_of(stars, DEM_POINTS), (Star{0x1111, 0x1111, 0x1111}));

    // Point 0 whole, point 1 cut: only point 0 is taken. X is the second value, Z the first.
    std::memset(stars, 0x11, sizeof stars);
    bytes.assign(DEM_FIRST_POINT + 6 + 4, 0);
    const uint8_t first[6] = {0x01, 0x00, 0x02, 0x00, 0xFF, 0xFF};
    std::memcpy(bytes.data() + DEM_FIRST_POINT, first, 6);
    EXPECT_EQ(read_dem(bytes.data(), bytes.size(), stars), 1);
    EXPECT_EQ(star_of(stars, 0), (Star{32769, 32768, 32768}));
    EXPECT_EQ(star_of(stars, 1), (Star{0x1111, 0x1111, 0x1111}));
    EXPECT_EQ(read_dem(bytes.data(), 100, stars), 0);
}

class ModelImport : public ::testing::Test {
  protected:
    void SetUp() override {
        std::memset(target_stars, 0x22, sizeof target_stars);
        std::memset(display_stars, 0x33, sizeof display_stars);
        track20e = track20k = track20l = 0;
        dir = make_temp_dir("import");
    }
    std::string dir;
};

TEST_F(ModelImport, FileNamesChooseTheReaderAsWritten) {
    EXPECT_TRUE(is_dxf_path("/m/knot.dxf"));
    EXPECT_TRUE(is_dxf_path("/m/KNOT.DXF"));
    EXPECT_TRUE(is_dxf_path("/m/a.Dxf.old"));
    EXPECT_FALSE(is_dxf_path("/m/knot.dXf"));
    EXPECT_FALSE(is_dxf_path("/m/planm01.dem"));
}

TEST_F(ModelImport, FilesThatCannotBeReadChangeNothing) {
    write_file(dir + "/empty.dxf", "");
    for (const std::string& path : {dir + "/missing.dem", dir + "/empty.dxf", dir}) {
        EXPECT_EQ(import_model(path.c_str()), 0) << path;
        EXPECT_EQ(star_of(display_stars, 0), (Star{0x3333, 0x3333, 0x3333})) << path;
    }
}

#ifdef SAMPLE_MODELS_DIR
// The values of every POINT of a drawing, read as plainly as possible.
std::vector<std::array<double, 3>> drawing_points(const std::string& text) {
    std::vector<std::array<double, 3>> points;
    std::istringstream lines(text);
    std::string code, value;
    std::array<double, 3> p{};
    while (std::getline(lines, code) && std::getline(lines, value)) {
        const int group = std::stoi(code);
        if (group >= 10 && group <= 30 && group % 10 == 0) p[group / 10 - 1] = std::stod(value);
        if (group == 30) points.push_back(p);
    }
    return points;
}

TEST_F(ModelImport, TheTorusKnotSampleLandsWhereItsPointsAre) {
    const std::string path = std::string(SAMPLE_MODELS_DIR) + "/torus-knot.dxf";
    const auto points = drawing_points(read_file(path));
    ASSERT_EQ(points.size(), 4000u);
    track20e = 10; // scale 101
    ASSERT_EQ(import_model(path.c_str()), 1);
    const auto at = [](double v) { return 32767 + static_cast<int>(v * 101.0); };
    for (size_t i = 0; i < points.size(); i += 97) {
        const Star s = star_of(display_stars, static_cast<int>(i));
        // Within one unit: the value text is read in single precision.
        EXPECT_NEAR(s.x, at(points[i][0]), 1) << i;
        EXPECT_NEAR(s.y, at(points[i][2]), 1) << i;
        EXPECT_NEAR(s.z, at(points[i][1]), 1) << i;
    }
    EXPECT_EQ(star_of(display_stars, 4000), (Star{0x2222, 0x2222, 0x2222}));
}

TEST_F(ModelImport, TheLetteringSampleStandsUprightInFrontOfTheViewer) {
    const std::string path = std::string(SAMPLE_MODELS_DIR) + "/lettering.dem";
    ASSERT_EQ(import_model(path.c_str()), 1);
    int left = 65535, right = 0, bottom = 65535, top = 0;
    for (int k = 0; k < DEM_POINTS; ++k) {
        const Star s = star_of(display_stars, k);
        left = std::min(left, s.x), right = std::max(right, s.x);
        bottom = std::min(bottom, s.y), top = std::max(top, s.y);
        EXPECT_NEAR(s.z, 32767, 200) << k;
    }
    // A wide line of letters across the centre, seven cells high.
    EXPECT_GT(right - left, 30000);
    EXPECT_LT(top - bottom, 6000);
    EXPECT_LT(left, 32767);
    EXPECT_GT(right, 32767);
    EXPECT_EQ(star_of(display_stars, DEM_POINTS), (Star{0x2222, 0x2222, 0x2222}));
}
#endif

} // namespace
