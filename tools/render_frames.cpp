// Plays a module on the headless backend and writes the frame after a number of frames as a
// PNG: a look at the starfield without a display.
//   render_frames MODULE.sv FRAMES OUT.png [WIDTH HEIGHT]
#include "platform/gl_context.h"
#include "platform/window.h"
#include "saver/engine/engine_state.h"
#include "saver/engine/frame_step.h"
#include "saver/engine/gl_state.h"
#include "saver/engine/random.h"
#include "saver/engine/tables.h"
#include "saver/model/module_files.h"
#include "saver/model/recording.h"
#include "saver/model/settings.h"
#include "tools/png_writer.h"

#include <GL/gl.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {
Lresult quiet_proc(Hwnd, unsigned, Wparam, Lparam) {
    return 0;
}
} // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s MODULE.sv FRAMES OUT.png [WIDTH HEIGHT]\n", argv[0]);
        return 2;
    }
    const int frames = std::atoi(argv[2]);
    const int width = argc > 5 ? std::atoi(argv[4]) : 960;
    const int height = argc > 5 ? std::atoi(argv[5]) : 540;

    register_class("RENDER", quiet_proc);
    Hwnd hwnd =
        create_window("RENDER", "render", WS_POPUP | WS_VISIBLE, 0, 0, width, height, nullptr);
    if (!hwnd || !gl_choose_pixel_format(hwnd) || !gl_create_context(hwnd)) {
        std::fprintf(stderr, "no GL context\n");
        return 1;
    }
    seed_random(20261207);
    build_sine_table();
    build_offset_tables();
    globaldelay = 0;
    frame_period = 0;
    init_gl_state(hwnd);

    int saved_without_stars = 0;
    if (!load_module(argv[1], &saved_without_stars)) {
        std::fprintf(stderr, "cannot load %s\n", argv[1]);
        return 1;
    }
    if (saved_without_stars) anchor_flag = 1;
    start_playback();
    for (int i = 0; i < frames; ++i) frame_step(hwnd);

    std::vector<uint8_t> pixels(static_cast<size_t>(width) * height * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    std::vector<uint8_t> top_down(pixels.size());
    const size_t row = static_cast<size_t>(width) * 3;
    for (int y = 0; y < height; ++y)
        std::copy_n(pixels.data() + (height - 1 - y) * row, row, top_down.data() + y * row);
    return write_png(argv[3], width, height, top_down) ? 0 : 1;
}
