// Sphere stars come from compiled meshes and spheres outside the view are not sent at all; the
// picture must stay the one the quadric drew for every star, one after the other.
#include "tests/engine/star_scene.h"

#include <GL/glu.h>

#include <array>
#include <random>
#include <string>

namespace {

constexpr int AHEAD_OF_EDGE = 10000, UP = 2000;
constexpr int SLICES_OF_TYPE[4] = {2, 32, 3, 7}; // `balls` A, D, B, C

// A turned camera that stays put from frame to frame, and a cube of spheres all around it.
void spheres_all_around(int stars) {
    spin = 20.0f;
    spin1 = 325.0f;
    spin2 = 10.0f;
    backflag = 1;
    track4b = 0;
    track4a = 1000; // range 80000: most stars near, the farthest dark and not drawn
    track10 = static_cast<float>(stars);
    std::mt19937 random(11);
    for (int i = 0; i <= stars; ++i)
        for (int plane = 0; plane < PLANE_COUNT; ++plane)
            display_stars[plane][i] = static_cast<uint8_t>(random());
}

// The camera the renderer drew with: a frame without spheres leaves it as it was.
void read_camera(GLfloat* camera) {
    backflag = 0;
    render_one_frame();
    glGetFloatv(GL_MODELVIEW_MATRIX, camera);
    backflag = 1;
}

// The sphere pass as it was before meshes were compiled: every near star, a quadric sphere
// placed by translating from the previous one.
void draw_spheres_with_quadric(const GLfloat* camera) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadMatrixf(camera);
    const float s2 = live_scale * live_scale;
    const float s = s2 / 1000000.0f;
    const float range = track4a * s2 / 12500.0f;
    const float radius = track8 / 1000.0f * s2 / 1666.0f;
    float last[3] = {0.0f, 0.0f, 0.0f};
    for (int i = 1; static_cast<float>(i) <= track10; ++i) {
        const float oz = static_cast<float>(star_z(i) - STAR_CENTRE) * s;
        const float oy = static_cast<float>(star_y(i) - STAR_CENTRE) * s;
        const float ox = static_cast<float>(star_x(i) - STAR_CENTRE) * s;
        const float brightness = 1.0f - std::sqrt(oz * oz + oy * oy + ox * ox) / range;
        if (brightness <= 0.0f) continue;
        float c[3];
        for (int k = 0; k < 3; ++k) c[k] = brightness * (star_colour[k] / 256.0f) * fade_factor;
        glColor3fv(c);
        glTranslatef(oz - last[0], oy - last[1], ox - last[2]);
        last[0] = oz;
        last[1] = oy;
        last[2] = ox;
        gluSphere(quadric, radius, SLICES_OF_TYPE[balls], SLICES_OF_TYPE[balls]);
    }
    glFinish();
}

bool same_colour(const uint8_t* a, const uint8_t* b) {
    return a[0] == b[0] && a[1] == b[1] && a[2] == b[2];
}

// A pixel on an outline: some neighbour in the picture has another colour.
bool on_an_edge(const Frame& picture, int x, int y) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            const int nx = x + dx, ny = y + dy;
            if (nx >= 0 && ny >= 0 && nx < SCENE_WIDTH && ny < SCENE_HEIGHT &&
                !same_colour(picture.at(x, y), picture.at(nx, ny)))
                return true;
        }
    return false;
}

struct Difference {
    int pixels = 0, off_the_edges = 0, lit = 0;
};

// Renders the frame and draws it again the old way, and says where the two differ.
Difference unlike_the_quadric(const GLfloat* camera) {
    render_one_frame();
    const Frame compiled = read_frame();
    draw_spheres_with_quadric(camera);
    const Frame quadric_drawn = read_frame();
    Difference difference;
    difference.lit = quadric_drawn.lit_pixels();
    for (int y = 0; y < SCENE_HEIGHT; ++y)
        for (int x = 0; x < SCENE_WIDTH; ++x)
            if (!same_colour(compiled.at(x, y), quadric_drawn.at(x, y))) {
                ++difference.pixels;
                if (!on_an_edge(quadric_drawn, x, y)) ++difference.off_the_edges;
            }
    return difference;
}

int pixels_unlike_the_quadric(const GLfloat* camera, int* lit) {
    const Difference difference = unlike_the_quadric(camera);
    *lit = difference.lit;
    return difference.pixels;
}

// Types A, B and C draw exactly what the quadric drew. "D" spheres that cover few pixels stand in
// with coarser meshes: only pixels on outlines may change, and few of them.
TEST_F(StarScene, CompiledSphereMeshesDrawWhatTheQuadricDrew) {
    spheres_all_around(3000);
    GLfloat camera[16];
    read_camera(camera);
    struct Case {
        int type, size, depth_test;
    };
    // Each type at two sizes in turn, so that a mesh kept from the size before would show.
    const Case cases[] = {{0, 1000, 0}, {0, 400, 1}, {1, 400, 0}, {1, 1000, 1},
                          {2, 1000, 1}, {2, 400, 0}, {3, 400, 1}, {3, 1000, 0}};
    for (const Case& c : cases) {
        balls = c.type;
        track8 = c.size;
        if (c.depth_test)
            glEnable(GL_DEPTH_TEST);
        else
            glDisable(GL_DEPTH_TEST);
        const Difference difference = unlike_the_quadric(camera);
        const bool stands_in = c.type == 1;
        EXPECT_LE(difference.pixels, stands_in ? difference.lit / 10 : 0)
            << "type " << c.type << " size " << c.size << " depth " << c.depth_test;
        EXPECT_EQ(difference.off_the_edges, 0)
            << "type " << c.type << " size " << c.size << " depth " << c.depth_test;
        EXPECT_GT(difference.lit, 300) << "many spheres, not a blank frame";
    }
    glDisable(GL_DEPTH_TEST);
}

// A lone "D" sphere ahead, from near to far: while its outline spans tens of pixels it keeps its
// own mesh, pixel for pixel; farther away a stand-in may move its outline, never more.
TEST_F(StarScene, DistantSphereStandsInOnlyAtItsOutline) {
    spheres_all_around(1);
    GLfloat camera[16];
    read_camera(camera);
    balls = 1;
    struct Case {
        int size, ahead;
        bool exact;
    };
    // Outline radii of about 50 pixels twice (from nearer, the chain treats the sphere as one
    // around the eye), then 15, 7.7 and 3.
    for (const Case& c : {Case{200, 250, true}, Case{150, 300, true}, Case{50, 300, false},
                          Case{20, 200, false}, Case{10, 300, false}}) {
        track8 = c.size;
        place_star(1, c.ahead, 0, 0);
        const Difference difference = unlike_the_quadric(camera);
        EXPECT_GT(difference.lit, 0) << c.ahead;
        EXPECT_EQ(difference.off_the_edges, 0) << c.size << " " << c.ahead;
        if (c.exact) {
            EXPECT_EQ(difference.pixels, 0) << c.size << " " << c.ahead;
        }
    }
}

// Seen from inside, or through the hole the near plane cuts into it, a sphere shows its far
// side.
TEST_F(StarScene, SphereAroundTheEyeShowsItsFarSide) {
    spheres_all_around(1);
    GLfloat camera[16];
    read_camera(camera);
    track8 = 1600;
    const double radius = 1600.0 / 1666.0 * 1000.0;
    // The eye is 100 units behind the centre of the cube; the near plane 10 units ahead of it.
    const int inside = 0, cut_open = static_cast<int>(radius) - 95;
    for (int ahead : {inside, cut_open}) {
        place_star(1, ahead, 0, 0);
        for (int type = 0; type < 4; ++type) {
            balls = type;
            int lit = 0;
            EXPECT_EQ(pixels_unlike_the_quadric(camera, &lit), 0) << ahead << " type " << type;
            if (type != 0) { // type A is flat: seen edge-on it may cover little
                EXPECT_GT(lit, SCENE_WIDTH * SCENE_HEIGHT / 2) << ahead << " " << type;
            }
        }
    }
}

// A sphere whose centre lies beyond the edge of the view still shows the part that reaches in.
TEST_F(StarScene, SphereReachingInFromBeyondTheEdgeIsDrawn) {
    backflag = 1;
    track4b = 0;
    track8 = 1600;
    track10 = 1.0f;
    // Half a radius beyond the right edge of the view, 10000 units ahead.
    const double radius = 1600.0 / 1666.0 * 1000.0;
    const double edge = 10100.0 * std::tan(22.5 * M_PI / 180.0) * SCENE_WIDTH / SCENE_HEIGHT;
    place_star(1, 10000, 0, static_cast<int>(edge + radius / 2.0));
    render_one_frame();
    const Frame frame = read_frame();
    EXPECT_GT(frame.lit_pixels(), 0);
    EXPECT_EQ(frame.at(0, SCENE_HEIGHT / 2)[0], 0); // the left edge stays dark
    EXPECT_GT(frame.at(SCENE_WIDTH - 1, SCENE_HEIGHT / 2)[0], 0);

    place_star(1, 10000, 0, static_cast<int>(edge + radius * 1.5));
    render_one_frame();
    EXPECT_EQ(read_frame().lit_pixels(), 0);
}

// Meteors are drawn in the same pass before the first sphere, and keep their own colours.
TEST_F(StarScene, MeteorsBeforeSpheresKeepTheirColour) {
    track4b = 0;
    bars = 1;
    track10 = 2.0f;
    track20j = 4000; // two meteors: star 0, never drawn, and star 1
    track20 = 255;
    track20a = digitsize = 0; // red stars
    place_star(1, AHEAD_OF_EDGE, -UP, 0);
    place_star(2, AHEAD_OF_EDGE, UP, 0);
    const WindowPoint meteor = project_star(AHEAD_OF_EDGE, -UP, 0);
    auto meteor_pixel = [&meteor](int sphere) {
        backflag = sphere;
        render_one_frame();
        const Frame frame = read_frame();
        const uint8_t* p = frame.at(static_cast<int>(meteor.x), static_cast<int>(meteor.y));
        return std::array<uint8_t, 3>{p[0], p[1], p[2]};
    };
    const auto beside_a_line = meteor_pixel(0);
    EXPECT_GT(beside_a_line[0], 100);
    EXPECT_EQ(meteor_pixel(1), beside_a_line);
}

} // namespace
