#include "platform/gl_context.h"
#include "platform/headless.h"
#include "platform/window.h"
#include "tests/support/gl_window.h"

#include <GL/gl.h>
#include <gtest/gtest.h>
#include <string>

namespace {

using Rgb = std::array<uint8_t, 3>;

class GlContext : public ::testing::Test {
  protected:
    void TearDown() override { headless_reset(); }
};

void clear_to(float r, float g, float b) {
    glClearColor(r, g, b, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

TEST_F(GlContext, ClearedColourReadsBackAtEveryCorner) {
    Hwnd hwnd = create_gl_test_window(64, 48);
    ASSERT_NE(hwnd, nullptr);
    clear_to(1.0f, 0.0f, 0.0f);
    EXPECT_EQ(read_pixel(0, 0), (Rgb{255, 0, 0}));
    EXPECT_EQ(read_pixel(63, 47), (Rgb{255, 0, 0}));
    clear_to(0.0f, 0.0f, 1.0f);
    gl_swap_buffers(hwnd);
    clear_to(0.0f, 1.0f, 0.0f);
    EXPECT_EQ(read_pixel(10, 10), (Rgb{0, 255, 0}));
}

TEST_F(GlContext, ImmediateModeDrawsWhereItShould) {
    ASSERT_NE(create_gl_test_window(100, 100), nullptr);
    clear_to(0, 0, 0);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, 100, 0, 100, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glColor3ub(255, 255, 255);
    glBegin(GL_QUADS); // the left half only
    glVertex2i(0, 0);
    glVertex2i(50, 0);
    glVertex2i(50, 100);
    glVertex2i(0, 100);
    glEnd();
    EXPECT_EQ(read_pixel(25, 50), (Rgb{255, 255, 255}));
    EXPECT_EQ(read_pixel(75, 50), (Rgb{0, 0, 0}));
}

TEST_F(GlContext, ContextIsCompatibilityProfileWithDepthBuffer) {
    ASSERT_NE(create_gl_test_window(16, 16), nullptr);
    GLint depth_bits = 0;
    glGetIntegerv(GL_DEPTH_BITS, &depth_bits);
    EXPECT_GE(depth_bits, 16);
    // A display's true-colour visual: pictures and frame times must be those of the real
    // program, not of a deeper colour format the driver also offers.
    GLint bits[4] = {};
    glGetIntegerv(GL_RED_BITS, &bits[0]);
    glGetIntegerv(GL_GREEN_BITS, &bits[1]);
    glGetIntegerv(GL_BLUE_BITS, &bits[2]);
    glGetIntegerv(GL_ALPHA_BITS, &bits[3]);
    EXPECT_EQ(bits[0], 8);
    EXPECT_EQ(bits[1], 8);
    EXPECT_EQ(bits[2], 8);
    EXPECT_EQ(bits[3], 0);
    // Immediate mode is refused by a core context with an error; a compatibility one takes it.
    glBegin(GL_POINTS);
    glVertex2f(0, 0);
    glEnd();
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    EXPECT_FALSE(gl_needs_palette(headless_windows().front()));
}

TEST_F(GlContext, ResizeKeepsContextAndChangesReadableSize) {
    Hwnd hwnd = create_gl_test_window(32, 32);
    ASSERT_NE(hwnd, nullptr);
    GLuint texture = 0;
    glGenTextures(1, &texture); // an object that only survives if the context does
    glBindTexture(GL_TEXTURE_2D, texture);
    ASSERT_TRUE(glIsTexture(texture));
    set_window_pos(hwnd, HWND_TOP, 0, 0, 200, 120, SWP_NOZORDER | SWP_NOMOVE);
    EXPECT_TRUE(glIsTexture(texture));

    GLint viewport[4] = {};
    glViewport(0, 0, 200, 120);
    clear_to(0.0f, 0.0f, 1.0f);
    EXPECT_EQ(read_pixel(199, 119), (Rgb{0, 0, 255}));
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], 200);

    set_window_pos(hwnd, HWND_TOP, 0, 0, 8, 8, SWP_NOZORDER | SWP_NOMOVE);
    clear_to(1.0f, 1.0f, 0.0f);
    EXPECT_EQ(read_pixel(7, 7), (Rgb{255, 255, 0}));
    EXPECT_TRUE(glIsTexture(texture));
}

TEST_F(GlContext, TwoWindowsKeepSeparateSurfaces) {
    Hwnd first = create_gl_test_window(20, 20);
    ASSERT_NE(first, nullptr);
    clear_to(1, 0, 0);
    Hwnd second = create_gl_test_window(20, 20);
    ASSERT_NE(second, nullptr);
    clear_to(0, 1, 0);
    ASSERT_TRUE(gl_make_current(first));
    EXPECT_EQ(read_pixel(5, 5), (Rgb{255, 0, 0}));
    ASSERT_TRUE(gl_make_current(second));
    EXPECT_EQ(read_pixel(5, 5), (Rgb{0, 255, 0}));
}

TEST_F(GlContext, DeletedContextCanBeCreatedAgain) {
    Hwnd hwnd = create_gl_test_window(10, 10);
    ASSERT_NE(hwnd, nullptr);
    gl_delete_context(hwnd);
    EXPECT_FALSE(gl_make_current(hwnd));
    EXPECT_TRUE(gl_make_current(nullptr));
    ASSERT_TRUE(gl_create_context(hwnd));
    clear_to(0, 1, 1);
    EXPECT_EQ(read_pixel(9, 9), (Rgb{0, 255, 255}));
}

TEST_F(GlContext, ContextNeedsPixelFormatAndLiveWindow) {
    register_class("GLTESTPLAIN", gl_test_window_proc);
    Hwnd hwnd = create_window("GLTESTPLAIN", "", WS_VISIBLE, 0, 0, 10, 10, nullptr);
    EXPECT_FALSE(gl_create_context(hwnd));
    EXPECT_TRUE(gl_choose_pixel_format(hwnd));
    destroy_window(hwnd);
    EXPECT_FALSE(gl_choose_pixel_format(hwnd));
    EXPECT_FALSE(gl_create_context(hwnd));
}

} // namespace
