#include "saver/engine/engine_state.h"
#include "saver/engine/star_frame.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// The mesh in `sphere_meshes` of each sphere type A, D, B, C (`balls` 0..3).
constexpr int TYPE_MESH[SPHERE_TYPES] = {0, 7, 1, 2};

// Stand-ins are the meshes of at least this detail below a type's own: coarse enough to save
// most of the triangles of a distant "D" sphere, round enough never to look faceted.
constexpr int COARSEST_STAND_IN_DETAIL = 8;

// How far a stand-in's outline may lie inside the own mesh's, in pixels. An n-gon inscribed in
// a circle of r pixels strays from it by r (1 - cos(pi / n)); a third of a pixel moves the edge
// of a moving sphere by less than the rasteriser's own rounding shows.
constexpr double OUTLINE_TOLERANCE_PIXELS = 0.3;

// The translation chain drifts from the exact star positions by float rounding: each step
// errs by a few units in the last place of the eye coordinates it moves through, at most the
// extent of the scene in eye space. This fraction of that extent bounds a pass of every star
// with room to spare; spheres are still drawn that far outside the frustum, and treated as
// around the eye that far beyond the reach of the near plane. It scales with the scene: a
// module that shrinks its stars to a speck of eye space must not have all of them count as
// around the eye.
constexpr double CHAIN_DRIFT_FRACTION = 0.002;

// The farthest a star coordinate of the pass lies from the centre of the cube, in star units
// before the scale: half the cube, and as much again for a flight step before the wrap.
constexpr double STAR_REACH = 65536.0;

// The largest radius in pixels at which the mesh of each detail may stand in for a finer one.
const std::array<double, SPHERE_MESHES> STAND_IN_PIXEL_LIMIT = [] {
    std::array<double, SPHERE_MESHES> limits{};
    for (int mesh = 0; mesh < SPHERE_MESHES; ++mesh)
        limits[mesh] = OUTLINE_TOLERANCE_PIXELS / (1.0 - std::cos(M_PI / SPHERE_DETAILS[mesh]));
    return limits;
}();

// The display list of the quadric's sphere of this detail and radius, compiled from the
// quadric itself so that it holds exactly the vertices it would send; compiled again only
// when the radius changes or the context lost it.
unsigned compiled_mesh(int index, float radius) {
    SphereMesh& mesh = sphere_meshes[index];
    if (mesh.list != 0 && mesh.radius == radius && glIsList(mesh.list)) return mesh.list;
    if (mesh.list == 0 || !glIsList(mesh.list)) mesh.list = glGenLists(1);
    if (mesh.list == 0) return 0;
    glNewList(mesh.list, GL_COMPILE);
    gluSphere(quadric, radius, SPHERE_DETAILS[index], SPHERE_DETAILS[index]);
    glEndList();
    mesh.radius = radius;
    return mesh.list;
}

} // namespace

SphereChain::SphereChain(const StarSetup& setup) {
    if (setup.form != NearForm::sphere || quadric == nullptr) return;
    sphere_radius_ = setup.sphere_radius;
    if (list_of(TYPE_MESH[setup.sphere_type]) == 0) return;
    mesh_ = TYPE_MESH[setup.sphere_type];
    GLfloat projection[16], modelview[16];
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
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
    double eye_per_unit = INFINITY, largest_eye_per_unit = 0.0;
    for (int c = 0; c < 3; ++c) {
        const double length = std::hypot(double{modelview[c * 4]}, double{modelview[c * 4 + 1]},
                                         double{modelview[c * 4 + 2]});
        eye_per_unit = std::min(eye_per_unit, length);
        largest_eye_per_unit = std::max(largest_eye_per_unit, length);
    }
    eye_radius_ = setup.sphere_radius * largest_eye_per_unit;
    pixels_per_slope_ = std::max(std::fabs(double{projection[0]}) * viewport[2],
                                 std::fabs(double{projection[5]}) * viewport[3]) /
                        2.0;
    const double camera =
        std::hypot(double{modelview[12]}, double{modelview[13]}, double{modelview[14]});
    const double drift = CHAIN_DRIFT_FRACTION *
                         (camera + STAR_REACH * std::sqrt(3.0) * setup.s * largest_eye_per_unit);
    radius_ = static_cast<float>(setup.sphere_radius * 1.001 +
                                 (eye_per_unit > 0.0 ? drift / eye_per_unit : INFINITY));
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 4; ++c) eye_[r][c] = modelview[c * 4 + r];
    // The near plane's corners, from the projection: near = P14 / (P10 - 1), and its half
    // width and height near / P0 and near / P5.
    const double near = projection[14] / (projection[10] - 1.0);
    const double near_corner = std::hypot(near, near / projection[0], near / projection[5]);
    const double reach = eye_radius_ * 1.001 + near_corner + drift;
    inside_reach_squared_ = std::isfinite(reach) ? reach * reach : INFINITY;
}

unsigned SphereChain::list_of(int mesh) {
    if (lists_[mesh] == 0) lists_[mesh] = compiled_mesh(mesh, static_cast<float>(sphere_radius_));
    return lists_[mesh];
}

unsigned SphereChain::mesh_for(float oz, float oy, float ox, bool* around_eye) {
    double e[3];
    for (int r = 0; r < 3; ++r)
        e[r] = eye_[r][0] * oz + eye_[r][1] * oy + eye_[r][2] * ox + eye_[r][3];
    const double squared = e[0] * e[0] + e[1] * e[1] + e[2] * e[2];
    // From inside, or through the hole the near plane cuts into it, the far side is what shows.
    *around_eye = squared <= inside_reach_squared_;
    const double depth = -e[2];
    const double outside = squared - eye_radius_ * eye_radius_;
    if (*around_eye || depth <= eye_radius_ || outside <= 0.0) return list_of(mesh_);
    // The outline's radius along the direction away from the centre of the view, where the
    // perspective stretches it most.
    const double pixels =
        pixels_per_slope_ * eye_radius_ / std::sqrt(outside) * squared / (depth * depth);
    for (int mesh = 0; mesh < mesh_; ++mesh)
        if (SPHERE_DETAILS[mesh] >= COARSEST_STAND_IN_DETAIL &&
            pixels <= STAND_IN_PIXEL_LIMIT[mesh])
            return list_of(mesh);
    return list_of(mesh_);
}

bool SphereChain::in_view(float oz, float oy, float ox) const {
    for (const auto& plane : planes_)
        if (plane[0] * oz + plane[1] * oy + plane[2] * ox + plane[3] < -radius_) return false;
    return true;
}

void SphereChain::draw(const float* colour, float oz, float oy, float ox) {
    if (mesh_ < 0) return;
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
    bool around_eye = false;
    const unsigned mesh = mesh_for(oz, oy, ox, &around_eye);
    if (around_eye) {
        glDisable(GL_CULL_FACE);
        glCallList(mesh);
        glEnable(GL_CULL_FACE);
    } else {
        glCallList(mesh);
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
