#include "saver/engine/backdrop.h"

#include "saver/model/settings.h"
#include "saver/model/view.h"

#include <GL/gl.h>

namespace {

constexpr int STAR_CENTRE = 32767;

bool fly_mode() {
    return balls1 == 3 || balls1 == 4;
}

void set_backdrop_colour() {
    const float shade = fade_factor * backdrop_brightness;
    if (!dig) {
        glColor3f(shade, shade, shade);
        return;
    }
    // With Image on, the first colour set tints the backdrop instead of the stars.
    glColor3f(star_colour[0] / 256.0f * shade, star_colour[1] / 256.0f * shade,
              star_colour[2] / 256.0f * shade);
}

int star0_coordinate(int high_plane, int low_plane) {
    return display_stars[high_plane][0] * 256 + display_stars[low_plane][0];
}

// One array draw per band instead of a call per vertex: the same quad strips, vertex for
// vertex, reach the rasteriser.
void draw_strips() {
    const int n = backdrop_subdivision;
    if (n <= 0) return;
    glVertexPointer(3, GL_FLOAT, sizeof(BackdropPoint), &backdrop_strips[0][0].x);
    glTexCoordPointer(2, GL_FLOAT, sizeof(BackdropPoint), &backdrop_strips[0][0].s);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    for (int b = 0; b < n; ++b)
        glDrawArrays(GL_QUAD_STRIP, b * 2 * BACKDROP_MESH_SIDE, 2 * (n + 1));
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
}

} // namespace

void draw_backdrop() {
    if (!plot || backdrop_hold || !backdrop_image_loaded) return;
    glEnable(GL_TEXTURE_2D);
    bind_backdrop_texture();
    glLineWidth(1.0f);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
    set_backdrop_colour();

    const bool fly = fly_mode();
    if (fly) {
        backdrop_anchor[0] = star0_coordinate(PLANE_ZH, PLANE_ZL);
        backdrop_anchor[1] = star0_coordinate(PLANE_YH, PLANE_YL);
        backdrop_anchor[2] = star0_coordinate(PLANE_XH, PLANE_XL);
        // Drawing x is the star Z axis and drawing z the star X axis.
        glTranslatef(static_cast<float>(backdrop_anchor[0] - STAR_CENTRE),
                     static_cast<float>(backdrop_anchor[1] - STAR_CENTRE),
                     static_cast<float>(backdrop_anchor[2] - STAR_CENTRE));
    }
    const float angle = backdrop_spin_angle;
    glRotatef(angle, 0.0f, 1.0f, 0.0f);
    draw_strips();
    glDisable(GL_TEXTURE_2D);

    // The stars are drawn in the same transform next, so it is undone rather than pushed.
    glRotatef(-angle, 0.0f, 1.0f, 0.0f);
    if (fly)
        glTranslatef(static_cast<float>(STAR_CENTRE - backdrop_anchor[0]),
                     static_cast<float>(STAR_CENTRE - backdrop_anchor[1]),
                     static_cast<float>(STAR_CENTRE - backdrop_anchor[2]));
}
