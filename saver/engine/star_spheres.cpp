#include "saver/engine/engine_state.h"
#include "saver/engine/star_frame.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cmath>

namespace {

// Slices and stacks of the sphere types A, D, B, C (`balls` 0..3).
constexpr int SPHERE_DETAIL[SPHERE_TYPES] = {2, 32, 3, 7};

// How far a sphere may stand outside the frustum and still be drawn, in eye units. The
// translation chain drifts from the exact star positions by float rounding; this bounds the
// drift of a whole pass with room to spare, and costs only a sliver of extra spheres at the
// edges of the view.
constexpr double CHAIN_DRIFT_MARGIN = 0.01;

// Beyond the corners of the near plane (0.001 eye units ahead), with the same room.
constexpr double NEAR_PLANE_REACH = 0.01;

// The display list of the quadric's sphere for this type and radius, compiled from the
// quadric itself so that it holds exactly the vertices it would send; compiled again only
// when the radius changes or the context lost it.
unsigned compiled_mesh(int type, float radius) {
    SphereMesh& mesh = sphere_meshes[type];
    if (mesh.list != 0 && mesh.radius == radius && glIsList(mesh.list)) return mesh.list;
    if (mesh.list == 0 || !glIsList(mesh.list)) mesh.list = glGenLists(1);
    if (mesh.list == 0) return 0;
    glNewList(mesh.list, GL_COMPILE);
    gluSphere(quadric, radius, SPHERE_DETAIL[type], SPHERE_DETAIL[type]);
    glEndList();
    mesh.radius = radius;
    return mesh.list;
}

} // namespace

SphereChain::SphereChain(const StarSetup& setup) {
    if (setup.form != NearForm::sphere || quadric == nullptr) return;
    mesh_ = compiled_mesh(setup.sphere_type, setup.sphere_radius);
    if (mesh_ == 0) return;
    GLfloat projection[16], modelview[16];
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    glGetFloatv(GL_MODELVIEW_MATRIX, modelview);
    double clip[4][4]; // [row][column] of projection x modelview
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) {
            double sum = 0.0;
            for (int k = 0; k < 4; ++k) sum += double{projection[k * 4 + r]} * modelview[c * 4 + k];
            clip[r][c] = sum;
        }
    // Clip space keeps -w <= x, y, z <= w; each side is a plane in star-pass coordinates.
    for (int side = 0; side < 6; ++side) {
        const double sign = side % 2 ? -1.0 : 1.0;
        double length = 0.0;
        for (int c = 0; c < 4; ++c) {
            planes_[side][c] = clip[3][c] + sign * clip[side / 2][c];
            if (c < 3) length += planes_[side][c] * planes_[side][c];
        }
        length = std::sqrt(length);
        for (double& coefficient : planes_[side]) coefficient /= length > 0.0 ? length : 1.0;
    }
    double eye_per_unit = INFINITY;
    for (int c = 0; c < 3; ++c)
        eye_per_unit = std::min(eye_per_unit,
                                std::hypot(double{modelview[c * 4]}, double{modelview[c * 4 + 1]},
                                           double{modelview[c * 4 + 2]}));
    radius_ =
        static_cast<float>(setup.sphere_radius * 1.001 +
                           (eye_per_unit > 0.0 ? CHAIN_DRIFT_MARGIN / eye_per_unit : INFINITY));
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 4; ++c) eye_[r][c] = modelview[c * 4 + r];
    const double reach = radius_ * eye_per_unit + NEAR_PLANE_REACH;
    inside_reach_squared_ = reach * reach;
}

bool SphereChain::around_eye(float oz, float oy, float ox) const {
    double squared = 0.0;
    for (const auto& row : eye_) {
        const double e = row[0] * oz + row[1] * oy + row[2] * ox + row[3];
        squared += e * e;
    }
    return squared <= inside_reach_squared_;
}

bool SphereChain::in_view(float oz, float oy, float ox) const {
    for (const auto& plane : planes_)
        if (plane[0] * oz + plane[1] * oy + plane[2] * ox + plane[3] < -radius_) return false;
    return true;
}

void SphereChain::draw(const float* colour, float oz, float oy, float ox) {
    if (mesh_ == 0) return;
    // Every sphere moves the chain, drawn or not, so that the ones drawn sit exactly where
    // the chain has always put them.
    glTranslatef(oz - z_, oy - y_, ox - x_);
    z_ = oz;
    y_ = oy;
    x_ = ox;
    moved_ = true;
    if (!in_view(oz, oy, ox)) return;
    if (!drawing_) begin_drawing();
    const GLfloat emission[4] = {colour[0], colour[1], colour[2], 1.0f};
    glMaterialfv(GL_FRONT, GL_EMISSION, emission);
    if (around_eye(oz, oy, ox)) {
        // From inside, or through the hole the near plane cuts, the far side is what shows.
        glDisable(GL_CULL_FACE);
        glCallList(mesh_);
        glEnable(GL_CULL_FACE);
    } else {
        glCallList(mesh_);
    }
}

// Set only once the first sphere is due: the meteors of the pass are drawn before it, and
// neither their points nor anything after the pass may be lit.
void SphereChain::begin_drawing() {
    drawing_ = true;
    // A sphere's far side lies behind its near side in the same colour: not drawing it leaves
    // the same pixels, and halves what the rasteriser is sent.
    glEnable(GL_CULL_FACE);
    glCullFace(GL_BACK);
    // The colour of each sphere is its material's emission under lighting with no lights and
    // nothing ambient: the same colour as a current colour would give, but a change of it only
    // updates the constants the move of the sphere updates anyway, while a new current colour
    // makes the driver rebind its vertex input for every sphere.
    const GLfloat none[4] = {0.0f, 0.0f, 0.0f, 1.0f};
    glMaterialfv(GL_FRONT, GL_AMBIENT, none);
    glEnable(GL_LIGHTING);
}

void SphereChain::undo() const {
    if (moved_) glTranslatef(-z_, -y_, -x_);
    if (!drawing_) return;
    glDisable(GL_CULL_FACE);
    glDisable(GL_LIGHTING);
}
