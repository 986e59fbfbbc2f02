#include "saver/engine/engine_state.h"
#include "saver/engine/star_frame.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

constexpr int CENTRE = 32767;
constexpr int SHORT_Z_LOW = 24575;
constexpr int SHORT_Z_HIGH = 40960;
constexpr int SHORT_Z_FOLD = 16384;

int read_coordinate(int high_plane, int low_plane, int i) {
    return display_stars[high_plane][i] << 8 | display_stars[low_plane][i];
}

void store_coordinate(int high_plane, int low_plane, int i, int64_t value) {
    display_stars[high_plane][i] = static_cast<uint8_t>(value >> 8);
    display_stars[low_plane][i] = static_cast<uint8_t>(value);
}

void colour_star(float brightness, float distance, const FrameColours& colours, float* c) {
    if (!colours.rainbow) {
        for (int k = 0; k < 3; ++k) c[k] = brightness * colours.star_base[k] * colours.fade;
        return;
    }
    int hue = truncate_to_int(brightness * 256.0f + colours.hue_offset);
    hue = (hue + colours.hue_cycle) & 255;
    if (colours.pastel) hue += 256;
    const float fade = (1.0f - distance / colours.dim_distance) * colours.fade;
    c[0] = colours.star_base[0] * rainbow_r[hue] * fade;
    c[1] = colours.star_base[1] * rainbow_g[hue] * fade;
    c[2] = colours.star_base[2] * rainbow_b[hue] * fade;
}

StarVertex* put_vertex(StarVertex* v, const float* colour, float z, float y, float x) {
    v->colour[0] = colour[0];
    v->colour[1] = colour[1];
    v->colour[2] = colour[2];
    v->position[0] = z;
    v->position[1] = y;
    v->position[2] = x;
    return v + 1;
}

// The colour bytes of the pixel-star buffer: whole 256ths, never outside a byte.
// Clamping before the truncation gives the same byte and needs no branch; a component that is
// not a number never gets here (its colour sum fails the visibility test).
float colour_byte(float component) {
    const float clamped = std::min(std::max(component * 256.0f, 0.0f), 255.0f);
    return static_cast<float>(static_cast<int>(clamped)) / 256.0f;
}

StarVertex* put_near_star(StarVertex* v, const StarSetup& setup, const FrameColours& colours,
                          const float* c, float oz, float oy, float ox) {
    const float ez = oz + setup.tail_z, ey = oy + setup.tail_y, ex = ox + setup.tail_x;
    const float* e = colours.tail_end;
    const float w = setup.base_half_width;
    switch (setup.form) {
    case NearForm::line:
        v = put_vertex(v, c, oz, oy, ox);
        return put_vertex(v, e, ez, ey, ex);
    case NearForm::triangle:
        v = put_vertex(v, c, oz, oy, ox);
        v = put_vertex(v, e, ez, ey, ex + w);
        return put_vertex(v, e, ez, ey, ex - w);
    case NearForm::rectangle:
        v = put_vertex(v, c, oz, oy, ox - setup.rect_half_width);
        v = put_vertex(v, c, oz, oy, ox + setup.rect_half_width);
        v = put_vertex(v, e, ez, ey, ex + w);
        return put_vertex(v, e, ez, ey, ex - w);
    case NearForm::sphere:
        break;
    }
    return v;
}

} // namespace

void run_star_pass(const StarSetup& setup, const FrameColours& colours) {
    const float threshold = setup.threshold;
    const float s = setup.s;
    bool meteor_phase = setup.meteors;
    SphereChain spheres(setup);
    StarVertex* meteor = meteor_vertices;
    StarVertex* near = near_vertices;
    // Filled downward, so that the pixel pass draws the last appended star first.
    StarVertex* pixel = pixel_stars + STAR_COUNT;
    meteor_vertex_count = 0;

    for (int i = 0; i < LAST_MOVING_STAR; ++i) {
        if (meteor_phase && i >= setup.meteor_count) {
            meteor_vertex_count = static_cast<int>(meteor - meteor_vertices);
            draw_meteors();
            meteor_phase = false;
        }
        // Wide enough that no flight or meteor speed from a file can overflow before the wrap.
        int64_t x = read_coordinate(PLANE_XH, PLANE_XL, i);
        int64_t y = read_coordinate(PLANE_YH, PLANE_YL, i);
        int64_t z = read_coordinate(PLANE_ZH, PLANE_ZL, i);
        if (!setup.freeze_flight || i == 0) {
            z -= setup.dz;
            if (setup.flight_axes == 2) y -= setup.dy;
            if (setup.flight_axes >= 1) x -= setup.dx;
        }
        if (static_cast<float>(i) > setup.last_star) break;

        const float oz = static_cast<float>(z - CENTRE) * s;
        const float oy = static_cast<float>(y - CENTRE) * s;
        const float ox = static_cast<float>(x - CENTRE) * s;
        const float distance = std::sqrt(oz * oz + oy * oy + ox * ox);
        // A zero range at zero distance (0 / 0) has no brightness: such a star stays dark.
        const bool unlit = distance == 0.0f && setup.range_distance == 0.0f;
        float brightness = unlit ? -INFINITY : 1.0f - distance / setup.range_distance;
        if (brightness > 1.0f) brightness = 1.0f;
        float c[3];
        colour_star(brightness, distance, colours, c);

        if (meteor_phase && i >= 1) {
            const int64_t speed = setup.meteor_speed;
            z -= meteor_offset_z[i] * speed / 1000;
            if (setup.meteor_axes == 1) y -= meteor_offset_y[i] * speed / 1000;
            if (setup.meteor_axes >= 1) x -= meteor_offset_x[i] * speed / 1000;
        }
        if (setup.short_z) {
            if (z <= SHORT_Z_LOW)
                z += SHORT_Z_FOLD;
            else if (z >= SHORT_Z_HIGH)
                z -= SHORT_Z_FOLD;
        }
        store_coordinate(PLANE_XH, PLANE_XL, i, x);
        store_coordinate(PLANE_YH, PLANE_YL, i, y);
        store_coordinate(PLANE_ZH, PLANE_ZL, i, z);

        if (i == 0) continue;
        if (brightness <= (meteor_phase ? METEOR_THRESHOLD : threshold)) {
            // The negated test also keeps out colours that are not numbers.
            if (unlit || !(c[0] + c[1] + c[2] > VISIBLE_COLOUR_SUM)) continue;
            if (meteor_phase) {
                meteor = put_vertex(meteor, c, oz, oy, ox);
            } else {
                const float bytes[3] = {colour_byte(c[0]), colour_byte(c[1]), colour_byte(c[2])};
                put_vertex(--pixel, bytes, oz, oy, ox);
            }
        } else if (setup.form == NearForm::sphere) {
            spheres.draw(c, oz, oy, ox);
        } else {
            near = put_near_star(near, setup, colours, c, oz, oy, ox);
        }
    }
    meteor_vertex_count = static_cast<int>(meteor - meteor_vertices);
    near_vertex_count = static_cast<int>(near - near_vertices);
    pixel_star_count = static_cast<int>(pixel_stars + STAR_COUNT - pixel);
    if (meteor_phase) draw_meteors();
    spheres.undo();
    draw_near_stars(setup.form);
}
