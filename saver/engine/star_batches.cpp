#include "saver/engine/engine_state.h"
#include "saver/engine/star_frame.h"
#include "saver/model/view.h"

#include <GL/gl.h>

#include <algorithm>

namespace {

// Whole lines, triangles and rectangles, and small enough that the driver can keep reusing
// one upload buffer instead of mapping fresh memory every frame. Smaller still pays off: when
// a draw holds a star outside the view, the driver's clipping path goes over every vertex of
// the draw again each time its small vertex buffer fills.
constexpr int VERTICES_PER_DRAW = 1536;

// Client arrays instead of a call per vertex; the rasteriser sees the same vertices in the
// same order as it would from begin/end.
void draw_batch(GLenum mode, const StarVertex* first, int count) {
    if (count <= 0) return;
    glInterleavedArrays(GL_C3F_V3F, 0, first);
    for (int done = 0; done < count; done += VERTICES_PER_DRAW)
        glDrawArrays(mode, done, std::min(VERTICES_PER_DRAW, count - done));
    glDisableClientState(GL_COLOR_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
}

} // namespace

void draw_meteors() {
    glPointSize(static_cast<float>(std::max(1, triang + 2)));
    draw_batch(GL_POINTS, meteor_vertices, meteor_vertex_count);
}

void draw_near_stars(NearForm form) {
    switch (form) {
    case NearForm::line:
        draw_batch(GL_LINES, near_vertices, near_vertex_count);
        break;
    case NearForm::triangle:
        draw_batch(GL_TRIANGLES, near_vertices, near_vertex_count);
        break;
    case NearForm::rectangle:
        draw_batch(GL_QUADS, near_vertices, near_vertex_count);
        break;
    case NearForm::sphere:
        break;
    }
}

void draw_pixel_stars() {
    glPointSize(static_cast<float>(std::max(1, pixel_point_size)));
    draw_batch(GL_POINTS, pixel_stars + STAR_COUNT - pixel_star_count, pixel_star_count);
}
