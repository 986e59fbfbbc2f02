// Every module of the product tree played headless at 1280x720 and 1920x1080: once its first
// View has settled, a fixed number of frames is timed one by one. Time is the mean frame; the
// counters give the 95th percentile, the View whose frames took longest on average, and the
// processor time of a frame over all threads (the rasteriser's included), which a machine busy
// with other work disturbs less than the wall clock.
//   SOLVANTRIX_BENCH_FRAMES   frames timed per module (default 600: the first View and,
//                             in most recordings, the next)
//   SOLVANTRIX_PRODUCT        the product tree (default: the one this build makes)
#include <benchmark/benchmark.h>

#include "platform/gl_context.h"
#include "platform/profile.h"
#include "platform/window.h"
#include "saver/engine/engine_state.h"
#include "saver/engine/frame_step.h"
#include "saver/engine/gl_state.h"
#include "saver/engine/random.h"
#include "saver/engine/tables.h"
#include "saver/model/model_state.h"
#include "saver/model/module_files.h"
#include "saver/model/recording.h"
#include "saver/model/settings.h"
#include "saver/model/view.h"
#include "tests/support/gl_window.h"

#include <GL/gl.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <time.h>
#include <vector>

namespace {

constexpr int SETTLE_LIMIT = 600; // frames; a View that never settles is timed anyway
constexpr int VIEWS = 8;

struct Size {
    int width, height;
};
constexpr Size SIZES[] = {{1280, 720}, {1920, 1080}};

constexpr int DEFAULT_TIMED_FRAMES = 600;

int timed_frames() {
    const char* text = std::getenv("SOLVANTRIX_BENCH_FRAMES");
    const int frames = text ? std::atoi(text) : DEFAULT_TIMED_FRAMES;
    return frames > 0 ? frames : DEFAULT_TIMED_FRAMES;
}

std::string product_dir() {
    const char* product = std::getenv("SOLVANTRIX_PRODUCT");
    return std::string(product ? product : SOLVANTRIX_PRODUCT_DIR) + "/";
}

// One window for every size: a resize keeps the context and what it has compiled.
Hwnd bench_window(Size size) {
    static Hwnd hwnd = create_gl_test_window(size.width, size.height);
    if (!hwnd) return nullptr;
    gl_make_current(hwnd);
    const Rect client = get_client_rect(hwnd);
    if (rect_width(client) != size.width || rect_height(client) != size.height)
        set_window_pos(hwnd, HWND_TOP, 0, 0, size.width, size.height, SWP_NOMOVE | SWP_NOZORDER);
    // The program sets its viewport only when the window changes size under a running context;
    // a context that starts on the window, as the program's does, covers the whole of it.
    glViewport(0, 0, size.width, size.height);
    return hwnd;
}

// What start-up and the module-load command do before the first frame, minus the window.
bool start_module(Hwnd hwnd, const std::string& path) {
    seed_random(20261207);
    build_sine_table();
    build_offset_tables();
    // The backdrop images are found through the install directory, as in the real program.
    write_private_profile_string("data", "path", product_dir().c_str(), SETTINGS_FILE);
    globaldelay = 0;
    frame_period = 0;
    cycle_timer = 0;
    init_gl_state(hwnd);
    resize_pending = 1;
    int saved_without_stars = 0;
    if (!load_module(path.c_str(), &saved_without_stars)) return false;
    anchor_flag = saved_without_stars ? 1 : 0;
    start_playback();
    return true;
}

bool first_view_settled() {
    return current_view_index >= 0 && live_scale == static_cast<float>(std::min(track7, 1000)) &&
           live_view_angle == static_cast<float>(fov);
}

double process_seconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

double percentile_95(std::vector<double> samples) {
    if (samples.empty()) return 0.0;
    const size_t rank = (samples.size() * 95 + 99) / 100 - 1;
    std::nth_element(samples.begin(), samples.begin() + rank, samples.end());
    return samples[rank];
}

void BM_Module(benchmark::State& state, std::string path, Size size) {
    Hwnd hwnd = bench_window(size);
    if (!hwnd) {
        state.SkipWithError("no GL context");
        return;
    }
    if (!start_module(hwnd, path)) {
        state.SkipWithError("module does not load");
        return;
    }
    for (int frame = 0; frame < SETTLE_LIMIT && !first_view_settled(); ++frame) frame_step(hwnd);
    glFinish();

    std::vector<double> frame_ms;
    double view_ms[VIEWS] = {};
    int view_frames[VIEWS] = {};
    const double cpu_start = process_seconds();
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        frame_step(hwnd);
        glFinish();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(took.count());
        frame_ms.push_back(took.count() * 1000.0);
        const int view = current_view_index;
        if (view >= 0 && view < VIEWS) {
            view_ms[view] += took.count() * 1000.0;
            ++view_frames[view];
        }
    }
    const double cpu_ms = (process_seconds() - cpu_start) * 1000.0;
    int slowest = -1;
    for (int view = 0; view < VIEWS; ++view)
        if (view_frames[view] > 0 && (slowest < 0 || view_ms[view] / view_frames[view] >
                                                         view_ms[slowest] / view_frames[slowest]))
            slowest = view;
    state.counters["p95_ms"] = percentile_95(frame_ms);
    state.counters["cpu_ms"] =
        frame_ms.empty() ? 0.0 : cpu_ms / static_cast<double>(frame_ms.size());
    state.counters["slowest_view"] = slowest + 1;
    state.counters["slowest_view_ms"] = slowest >= 0 ? view_ms[slowest] / view_frames[slowest] : 0;
}

// Benchmarks for the modules found when the program starts, in name order, smaller size first.
const bool registered = [] {
    std::vector<std::filesystem::path> modules;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(product_dir() + "library", error))
        if (entry.path().extension() == ".sv") modules.push_back(entry.path());
    std::sort(modules.begin(), modules.end());
    for (const Size& size : SIZES)
        for (const auto& module : modules) {
            const std::string name = "BM_Module/" + module.stem().string() + "/" +
                                     std::to_string(size.width) + "x" + std::to_string(size.height);
            benchmark::RegisterBenchmark(name.c_str(), BM_Module, module.string(), size)
                ->Iterations(timed_frames())
                ->UseManualTime()
                ->Unit(benchmark::kMillisecond);
        }
    return true;
}();

} // namespace
