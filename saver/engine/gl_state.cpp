#include "saver/engine/gl_state.h"

#include "platform/window.h"
#include "saver/engine/engine_state.h"

#include <GL/gl.h>
#include <GL/glu.h>

namespace {

constexpr double NEAR_PLANE = 0.001;
constexpr double FAR_PLANE = 5200.0;

// A minimised window reports a client area of zero height (or width); an aspect ratio from
// that would be infinite or zero and leave the projection unusable once the window comes
// back, so such a side counts as one pixel.
int drawable_side(int side) {
    return side > 0 ? side : 1;
}

} // namespace

void init_gl_state(Hwnd hwnd) {
    const Rect client = get_client_rect(hwnd);
    client_width = rect_width(client);
    client_height = rect_height(client);
    refreshed_width = client_width;
    refreshed_height = client_height;

    glAlphaFunc(GL_GREATER, 0.0f);

    glEnable(GL_DITHER);
    glDisable(GL_ALPHA_TEST);
    glDisable(GL_BLEND);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_FOG);
    glDisable(GL_LIGHTING);
    glDisable(GL_COLOR_LOGIC_OP);
    glDisable(GL_STENCIL_TEST);
    glDisable(GL_TEXTURE_1D);
    glDisable(GL_TEXTURE_2D);

    // A second window of the same run keeps the one quadric rather than leaking another.
    if (quadric == nullptr) quadric = gluNewQuadric();
    if (quadric != nullptr) {
        gluQuadricDrawStyle(quadric, GLU_FILL);
        gluQuadricNormals(quadric, GLU_NONE);
    }
    // Display lists belong to the context they were compiled in; this one starts without.
    for (SphereMesh& mesh : sphere_meshes) mesh = SphereMesh{};

    glLineWidth(1.0f);
    glPixelZoom(1.0f, 1.0f);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClearDepth(1.0);

    const float aspect = static_cast<float>(drawable_side(client_width)) /
                         static_cast<float>(drawable_side(client_height));
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, aspect, NEAR_PLANE, FAR_PLANE);
    glMatrixMode(GL_MODELVIEW);

    build_rainbow_palette();
    build_colour_wheel();
}

void refresh_projection(Hwnd hwnd) {
    const Rect client = get_client_rect(hwnd);
    client_width = rect_width(client);
    client_height = rect_height(client);

    // Resetting the viewport is only needed when the size changed; a view-angle glide
    // refreshes the projection every frame and must not pay for it.
    if (client_width != refreshed_width || client_height != refreshed_height)
        glViewport(0, 0, client_width, client_height);
    refreshed_width = client_width;
    refreshed_height = client_height;

    const double aspect = static_cast<double>(drawable_side(client_width)) /
                          static_cast<double>(drawable_side(client_height));
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(live_view_angle, aspect, NEAR_PLANE, FAR_PLANE);
    glMatrixMode(GL_MODELVIEW);

    resize_pending = 0;
}
