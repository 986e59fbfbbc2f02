// One frame of 32000 stars at 1280x720 for each star form, beside a bare loop that sends the
// same vertices to OpenGL one by one with no star logic at all.
#include <benchmark/benchmark.h>

#include "platform/gl_context.h"
#include "saver/engine/engine_state.h"
#include "saver/engine/frame_step.h"
#include "saver/engine/gl_state.h"
#include "saver/model/settings.h"
#include "saver/model/view.h"
#include "tests/support/gl_window.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cmath>
#include <random>
#include <vector>

namespace {

enum Form { POINTS, LINES, TRIANGLES, RECTANGLES, SPHERES_A, SPHERES_C };
const char* const FORM_NAMES[] = {"points",     "lines",     "triangles",
                                  "rectangles", "spheres A", "spheres C"};

Hwnd bench_window() {
    static Hwnd hwnd = [] {
        Hwnd created = create_gl_test_window(1280, 720);
        if (created) init_gl_state(created);
        return created;
    }();
    return hwnd;
}

// A steady forward flight through a full cube; every star in range, so every star is drawn in
// the form under test (points: all far; the others: all near, with short tails).
void set_up_scene(Form form) {
    globaldelay = 0;
    cycle_timer = 0;
    xcolormode = 0;
    xfloor = 0;
    track7 = 1000;
    track20f3 = 1000;
    fov = 45;
    track20f2 = 1000;
    thrust_target = 10.0f;
    track20g = 0;
    xcx = 100.0f;
    xcz = 5.0f;
    track4 = track5 = track6 = 1800;
    track20f = 1000;
    track10 = 32000.0f;
    track4a = 2000;
    track4b = form == POINTS ? 1000 : 0;
    track13 = 30.0f;
    track20f1 = 1000;
    track20i = 0;
    track8 = 100;
    pixel_point_size = 1;
    track20 = track20a = 220;
    digitsize = 255.0f;
    track20b = track20c = track20d = 128;
    track9 = 64.0f;
    bars = 0;
    backflag = form == RECTANGLES || form == SPHERES_A || form == SPHERES_C;
    ring = form == TRIANGLES || form == RECTANGLES;
    balls = form == SPHERES_A ? 0 : 3;
    std::mt19937 random(1);
    for (auto& plane : display_stars)
        for (uint8_t& byte : plane) byte = static_cast<uint8_t>(random());
}

void BM_Frame(benchmark::State& state) {
    const Form form = static_cast<Form>(state.range(0));
    Hwnd hwnd = bench_window();
    if (!hwnd) {
        state.SkipWithError("no GL context");
        return;
    }
    set_up_scene(form);
    for (auto _ : state) {
        frame_step(hwnd);
        glFinish();
    }
    state.SetLabel(FORM_NAMES[form]);
    state.counters["near_vertices"] = near_vertex_count;
    state.counters["pixel_stars"] = pixel_star_count;
}

struct SpherePlace {
    float z, y, x;
    float colour[3];
};

// The spheres of the frame just drawn, with their colours, from the moved star table.
std::vector<SpherePlace> sphere_places() {
    std::vector<SpherePlace> places;
    const float s2 = live_scale * live_scale;
    const float s = s2 / 1000000.0f;
    const float range = track4a * s2 / 12500.0f;
    for (int i = 1; i < 31999; ++i) {
        auto offset = [i, s](int high, int low) {
            return static_cast<float>((display_stars[high][i] << 8 | display_stars[low][i]) -
                                      32767) *
                   s;
        };
        SpherePlace place{
            offset(PLANE_ZH, PLANE_ZL), offset(PLANE_YH, PLANE_YL), offset(PLANE_XH, PLANE_XL), {}};
        const float brightness =
            1.0f - std::sqrt(place.z * place.z + place.y * place.y + place.x * place.x) / range;
        for (int k = 0; k < 3; ++k)
            place.colour[k] = brightness * star_colour[k] / 256.0f * fade_factor;
        places.push_back(place);
    }
    return places;
}

void send_vertices(GLenum mode, const StarVertex* first, int count) {
    glBegin(mode);
    for (const StarVertex* v = first; v != first + count; ++v) {
        glColor3fv(v->colour);
        glVertex3fv(v->position);
    }
    glEnd();
}

void BM_BareImmediate(benchmark::State& state) {
    const Form form = static_cast<Form>(state.range(0));
    Hwnd hwnd = bench_window();
    if (!hwnd) {
        state.SkipWithError("no GL context");
        return;
    }
    set_up_scene(form);
    frame_step(hwnd);
    GLfloat camera[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, camera);
    const std::vector<SpherePlace> spheres = sphere_places();
    const float radius = track8 / 1000.0f * live_scale * live_scale / 1666.0f;
    const int detail = form == SPHERES_A ? 2 : 7;
    const GLenum near_mode = form == LINES ? GL_LINES : form == TRIANGLES ? GL_TRIANGLES : GL_QUADS;

    for (auto _ : state) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glLoadMatrixf(camera);
        if (form == POINTS) {
            glPointSize(1.0f);
            send_vertices(GL_POINTS, pixel_stars + STAR_COUNT - pixel_star_count, pixel_star_count);
        } else if (form == SPHERES_A || form == SPHERES_C) {
            for (const SpherePlace& place : spheres) {
                glColor3fv(place.colour);
                glPushMatrix();
                glTranslatef(place.z, place.y, place.x);
                gluSphere(quadric, radius, detail, detail);
                glPopMatrix();
            }
        } else {
            send_vertices(near_mode, near_vertices, near_vertex_count);
        }
        gl_swap_buffers(hwnd);
        glFinish();
    }
    state.SetLabel(FORM_NAMES[form]);
}

void forms(benchmark::internal::Benchmark* b) {
    for (int form = POINTS; form <= SPHERES_C; ++form) b->Arg(form);
}

} // namespace

BENCHMARK(BM_Frame)->ArgName("form")->Apply(forms)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareImmediate)->ArgName("form")->Apply(forms)->Unit(benchmark::kMillisecond);
