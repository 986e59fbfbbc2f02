// A quiet scene for renderer tests: a window with the starfield's GL state, a View in which
// nothing moves, turns or glides, and helpers to place stars and read the frame back.
#pragma once

#include "platform/headless.h"
#include "saver/engine/engine_state.h"
#include "saver/engine/gl_state.h"
#include "saver/engine/renderer.h"
#include "saver/model/view.h"
#include "tests/support/gl_window.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

constexpr int SCENE_WIDTH = 160;
constexpr int SCENE_HEIGHT = 120;
constexpr int STAR_CENTRE = 32767;

inline void quiet_flight() {
    thrust_target = 0.0f;
    speed = 0.0f;
    barsx1 = barsx3 = 0;
    track20g = track20m = 0;
    fsxx = fsyy = yaw_rate = base_pitch = pitch = 0.0f;
    xtx1 = 0.0f;
    track9z = track9zq = 0.0f;
    colormode = 0;
    follow_direction = 0;
    xcx = xcy = xcz = 0.0f;
    velocity_z = velocity_x = velocity_y = 0.0f;
    spin = spin1 = spin2 = 0.0f;
    track1 = track2 = track3 = 0.0f;
    track4 = track5 = track6 = 1800; // no spin
    for (int k = 0; k < 3; ++k) {
        rotation_rate[k] = 1800;
        position_angle[k] = 0.0f;
    }
    track20f = 1000;
    rotation_glide_step = 1001.0f;
}

// White stars, brightness range 160000 drawing units, every star a point, one star drawn.
inline void quiet_stars() {
    live_scale = 1000.0f;
    fade_factor = 1.0f;
    track4a = 2000;
    track4b = 1000;
    track13 = 0.0f;
    track20f1 = 1000;
    current_tail_length = 0.0f;
    tail_glide_step = 1.0f;
    track20h = 0;
    pixel_point_size = 1;
    track20i = 0;
    track8 = 1000;
    balls = 3;
    backflag = ring = 0;
    bars = 0;
    track20j = track20jx = 0;
    sphere1 = sphere2 = 0;
    triang = 0;
    track7 = 1000;
    shortmode = 0;
    track20 = track20a = 255;
    digitsize = 255.0f;
    track20b = track20c = track20d = 255;
    dig = 0;
    plot = 0;
    track9 = 64.0f; // colours arrive at once
    backcolor = 0;
    titlelen = 0;
    titlelenx = 1000;
    flat = sizeflag = plotspeed = 0;
    xfloor = 0;
    track10 = 1.0f;
    for (int k = 0; k < 3; ++k) tail_colour[k] = star_colour[k] = 0;
    colour_shift = colour_shift_countdown = 0;
    colour_shift_direction = 1;
    std::memset(display_stars, 0, sizeof display_stars);
}

// Offsets from the centre of the cube: z ahead, y up, x right.
inline void place_star(int i, int z, int y, int x) {
    const int coordinates[3][3] = {{PLANE_ZH, PLANE_ZL, STAR_CENTRE + z},
                                   {PLANE_YH, PLANE_YL, STAR_CENTRE + y},
                                   {PLANE_XH, PLANE_XL, STAR_CENTRE + x}};
    for (const auto& c : coordinates) {
        display_stars[c[0]][i] = static_cast<uint8_t>(c[2] >> 8);
        display_stars[c[1]][i] = static_cast<uint8_t>(c[2]);
    }
}

inline int star_z(int i) {
    return display_stars[PLANE_ZH][i] << 8 | display_stars[PLANE_ZL][i];
}
inline int star_y(int i) {
    return display_stars[PLANE_YH][i] << 8 | display_stars[PLANE_YL][i];
}
inline int star_x(int i) {
    return display_stars[PLANE_XH][i] << 8 | display_stars[PLANE_XL][i];
}

// What the frame step does around the renderer: clear, reset the camera, draw.
inline void render_one_frame() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(0.0f, 0.0f, -0.01f);
    render_frame();
    glFinish();
}

struct Frame {
    std::vector<uint8_t> rgba;

    const uint8_t* at(int x, int y) const { return &rgba[(y * SCENE_WIDTH + x) * 4]; }
    int lit_pixels() const {
        int lit = 0;
        for (size_t p = 0; p < rgba.size(); p += 4)
            if (rgba[p] || rgba[p + 1] || rgba[p + 2]) ++lit;
        return lit;
    }
    long channel_sum(int channel) const {
        long sum = 0;
        for (size_t p = channel; p < rgba.size(); p += 4) sum += rgba[p];
        return sum;
    }
};

inline Frame read_frame() {
    Frame frame;
    frame.rgba.resize(SCENE_WIDTH * SCENE_HEIGHT * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, SCENE_WIDTH, SCENE_HEIGHT, GL_RGBA, GL_UNSIGNED_BYTE, frame.rgba.data());
    return frame;
}

// Where the camera of a quiet flight at full scale puts a star offset: the window pixel, from
// the bottom-left, as real coordinates.
struct WindowPoint {
    double x, y;
};
inline WindowPoint project_star(int z, int y, int x) {
    const double eye_x = x * 1e-4, eye_y = y * 1e-4, depth = z * 1e-4 + 0.01;
    const double focal = 1.0 / std::tan(22.5 * M_PI / 180.0);
    const double aspect = static_cast<double>(SCENE_WIDTH) / SCENE_HEIGHT;
    return {(focal / aspect * eye_x / depth + 1.0) * SCENE_WIDTH / 2.0,
            (focal * eye_y / depth + 1.0) * SCENE_HEIGHT / 2.0};
}

class StarScene : public ::testing::Test {
  protected:
    Hwnd hwnd = nullptr;

    void SetUp() override {
        hwnd = create_gl_test_window(SCENE_WIDTH, SCENE_HEIGHT);
        ASSERT_NE(hwnd, nullptr);
        init_gl_state(hwnd);
        quiet_flight();
        quiet_stars();
    }
    void TearDown() override { headless_reset(); }
};
