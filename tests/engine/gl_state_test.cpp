#include "tests/engine/star_scene.h"

namespace {

TEST(RainbowPalette, TrapezoidEdgesAndPastelHalf) {
    build_rainbow_palette();
    EXPECT_EQ(rainbow_r[42], 1.0f);
    EXPECT_EQ(rainbow_r[43], 1.0f);
    EXPECT_FLOAT_EQ(rainbow_r[84], 1.0f / 42.0f);
    EXPECT_EQ(rainbow_r[85], 0.0f);
    EXPECT_EQ(rainbow_r[170], 0.0f);
    EXPECT_FLOAT_EQ(rainbow_r[171], 1.0f / 42.0f);
    EXPECT_FLOAT_EQ(rainbow_r[211], 41.0f / 42.0f);
    EXPECT_EQ(rainbow_r[212], 1.0f);
    EXPECT_EQ(rainbow_g[0], 0.0f);
    EXPECT_EQ(rainbow_b[0], 0.0f);
    EXPECT_EQ(rainbow_r[256], 1.0f);
    EXPECT_EQ(rainbow_r[341], 0.5f);
    EXPECT_EQ(rainbow_g[256], 0.5f);
    for (int i = 0; i < 256; ++i) {
        EXPECT_FLOAT_EQ(rainbow_g[i], rainbow_r[(i + 85) % 256]) << i;
        EXPECT_FLOAT_EQ(rainbow_b[i], rainbow_r[(i + 170) % 256]) << i;
        EXPECT_GE(rainbow_b[256 + i], 0.5f) << i;
    }
}

TEST(ColourWheel, EachWeightIsATriangleOfHeight256) {
    build_colour_wheel();
    EXPECT_EQ(wheel_a[0], 256);
    EXPECT_EQ(wheel_b[0], 0);
    EXPECT_EQ(wheel_a[256], 0);
    EXPECT_EQ(wheel_b[256], 256);
    EXPECT_EQ(wheel_c[256], 0);
    EXPECT_EQ(wheel_c[511], 255);
    EXPECT_EQ(wheel_a[768], 256);
    EXPECT_EQ(wheel_c[768], 0);
    for (int i = 0; i < WHEEL_SIZE; ++i) EXPECT_EQ(wheel_a[i] + wheel_b[i] + wheel_c[i], 256) << i;
}

TEST(IndexPalette, ThreeThreeTwoLayoutWithSystemColours) {
    const PixelLayout layout{8, 3, 0, 3, 3, 2, 6};
    PaletteEntry entries[256] = {};
    EXPECT_EQ(build_index_palette(layout, entries), 256);
    auto rgb = [&](int i) {
        return std::array<int, 3>{entries[i].red, entries[i].green, entries[i].blue};
    };
    EXPECT_EQ(rgb(3), (std::array<int, 3>{128, 0, 0})); // a system colour
    EXPECT_EQ(rgb(7), (std::array<int, 3>{255, 0, 0}));
    EXPECT_EQ(rgb(255), (std::array<int, 3>{255, 255, 255}));
    EXPECT_EQ(rgb(181), (std::array<int, 3>{192, 220, 192}));
    EXPECT_EQ(rgb(0x80), (std::array<int, 3>{0, 0, 170})); // blue 2 of 3
}

TEST(IndexPalette, OtherLayoutsExpandTheirBitsOnly) {
    PaletteEntry entries[256] = {};
    // Two bits each: no system colours, entry 3 is full red.
    EXPECT_EQ(build_index_palette(PixelLayout{6, 2, 0, 2, 2, 2, 4}, entries), 64);
    EXPECT_EQ(entries[3].red, 255);
    EXPECT_EQ(entries[3].green, 0);
    EXPECT_EQ(entries[0x28].green, 170);
    EXPECT_EQ(entries[0x28].blue, 170);
    // Four bits a colour has no expansion table; more than 8 bits is held to 256 entries.
    EXPECT_EQ(build_index_palette(PixelLayout{12, 4, 0, 4, 4, 4, 8}, entries), 256);
    EXPECT_EQ(entries[255].red, 0);
    // A shift no index can have stays black instead of shifting out of range.
    EXPECT_EQ(build_index_palette(PixelLayout{1, 1, 40, 1, -3, 1, 0}, entries), 2);
    EXPECT_EQ(entries[1].red, 0);
    EXPECT_EQ(entries[1].green, 0);
    EXPECT_EQ(entries[1].blue, 255);
}

std::array<float, 16> projection_matrix() {
    std::array<float, 16> m{};
    glGetFloatv(GL_PROJECTION_MATRIX, m.data());
    return m;
}

std::array<int, 4> viewport() {
    std::array<int, 4> v{};
    glGetIntegerv(GL_VIEWPORT, v.data());
    return v;
}

float focal_length(double degrees) {
    return static_cast<float>(1.0 / std::tan(degrees * M_PI / 360.0));
}

using GlState = StarScene;

TEST_F(GlState, InitialStateAndProjection) {
    EXPECT_EQ(client_width, SCENE_WIDTH);
    EXPECT_EQ(client_height, SCENE_HEIGHT);
    EXPECT_TRUE(glIsEnabled(GL_DITHER));
    for (GLenum off : {GL_ALPHA_TEST, GL_BLEND, GL_DEPTH_TEST, GL_LIGHTING, GL_TEXTURE_2D})
        EXPECT_FALSE(glIsEnabled(off)) << off;
    GLint alpha_function = 0, matrix_mode = 0;
    glGetIntegerv(GL_ALPHA_TEST_FUNC, &alpha_function);
    glGetIntegerv(GL_MATRIX_MODE, &matrix_mode);
    EXPECT_EQ(alpha_function, GL_GREATER);
    EXPECT_EQ(matrix_mode, GL_MODELVIEW);
    EXPECT_NE(quadric, nullptr);
    const auto m = projection_matrix();
    EXPECT_NEAR(m[5], focal_length(45.0), 1e-5);
    EXPECT_NEAR(m[0], focal_length(45.0) * SCENE_HEIGHT / SCENE_WIDTH, 1e-5);
    EXPECT_FLOAT_EQ(m[10], -(5200.0f + 0.001f) / (5200.0f - 0.001f));
}

TEST_F(GlState, ViewAngleAloneKeepsTheViewport) {
    glViewport(3, 4, 50, 40); // a viewport a reset would overwrite
    live_view_angle = 90.0f;
    resize_pending = 1;
    refresh_projection(hwnd);
    EXPECT_EQ(resize_pending, 0);
    EXPECT_EQ(viewport(), (std::array<int, 4>{3, 4, 50, 40}));
    EXPECT_NEAR(projection_matrix()[5], 1.0f, 1e-5); // 90 degrees: focal length 1

    set_window_pos(hwnd, HWND_TOP, 0, 0, 100, 50, SWP_NOZORDER | SWP_NOMOVE);
    refresh_projection(hwnd);
    EXPECT_EQ(viewport(), (std::array<int, 4>{0, 0, 100, 50}));
    EXPECT_EQ(client_width, 100);
    EXPECT_EQ(client_height, 50);
    EXPECT_NEAR(projection_matrix()[0], 0.5f, 1e-5); // aspect 2
}

TEST_F(GlState, ZeroHeightGivesAFiniteProjection) {
    live_view_angle = 45.0f;
    set_window_pos(hwnd, HWND_TOP, 0, 0, SCENE_WIDTH, 0, SWP_NOZORDER | SWP_NOMOVE);
    refresh_projection(hwnd);
    EXPECT_EQ(client_height, 0);
    for (float entry : projection_matrix()) EXPECT_TRUE(std::isfinite(entry));
    EXPECT_NEAR(projection_matrix()[0], focal_length(45.0) / SCENE_WIDTH, 1e-6);
}

} // namespace
