#include "tests/engine/star_scene.h"

#include <random>

namespace {

// One star ahead, up and to the right of the centre; lands mid-pixel so that rounding cannot
// move it.
constexpr int AHEAD = 10000, UP = 800, RIGHT = 1500;

// Drives the stars forward 100 units along Z each frame.
void fly_forward() {
    thrust_target = 40.0f;
    xcx = velocity_z = 100.0f;
}

// A near star whose tail reaches up the screen, where triangles and rectangles face us.
void star_with_upward_tail() {
    track4b = 0;
    track13 = 100.0f;
    xcz = velocity_y = 50.0f;
    track20i = 1;
    place_star(1, AHEAD, 0, 0);
}

TEST_F(StarScene, StarAheadLightsTheProjectedPixelOnly) {
    place_star(0, AHEAD, -UP, -RIGHT); // star 0 is never drawn
    place_star(1, AHEAD, UP, RIGHT);
    const WindowPoint p = project_star(AHEAD, UP, RIGHT);
    ASSERT_NEAR(p.x - std::floor(p.x), 0.5, 0.3);
    ASSERT_NEAR(p.y - std::floor(p.y), 0.5, 0.3);

    render_one_frame();
    const Frame frame = read_frame();
    EXPECT_EQ(frame.lit_pixels(), 1);
    const uint8_t* pixel = frame.at(static_cast<int>(p.x), static_cast<int>(p.y));
    // Brightness 1 - d / range, kept as whole 256ths of the white 255/256.
    const double d = std::sqrt(double{AHEAD} * AHEAD + UP * UP + RIGHT * RIGHT);
    const double shade = std::floor((1.0 - d / 160000.0) * 255.0 / 256.0 * 256.0) / 256.0;
    for (int k = 0; k < 3; ++k) EXPECT_NEAR(pixel[k], shade * 255.0, 1.0);
}

TEST_F(StarScene, TotalLimitsWhichStarsAreDrawnAndMoved) {
    fly_forward();
    place_star(1, AHEAD, 0, 0);
    track10 = 0.0f;
    render_one_frame();
    EXPECT_EQ(read_frame().lit_pixels(), 0);
    EXPECT_EQ(star_z(0), 65536 - 100); // star 0 always moves, wrapping below 0
    EXPECT_EQ(star_z(1), STAR_CENTRE + AHEAD);

    track10 = 32000.0f;
    place_star(31998, 0, 0, 0);
    place_star(31999, 0, 0, 0);
    render_one_frame();
    EXPECT_EQ(star_z(1), STAR_CENTRE + AHEAD - 100);
    EXPECT_EQ(star_z(31998), STAR_CENTRE - 100);
    EXPECT_EQ(star_z(31999), STAR_CENTRE);
}

TEST_F(StarScene, FlightMovesStarsOnlyAlongTheChosenAxes) {
    fly_forward();
    xcy = velocity_x = 200.0f;
    xcz = velocity_y = 300.0f;
    track10 = 2.0f;
    place_star(1, 0, 0, 0);
    render_one_frame();
    EXPECT_EQ(star_z(1), STAR_CENTRE - 100);
    EXPECT_EQ(star_x(1), STAR_CENTRE);
    EXPECT_EQ(star_y(1), STAR_CENTRE);

    sphere2 = 2;
    render_one_frame();
    EXPECT_EQ(star_z(1), STAR_CENTRE - 200);
    EXPECT_EQ(star_x(1), STAR_CENTRE - 200);
    EXPECT_EQ(star_y(1), STAR_CENTRE - 300);

    // Scale at its top freezes every star but star 0; meteors keep their own motion.
    track7 = 1002;
    bars = 1;
    track20j = 8000;
    track20jx = 1000;
    meteor_offset_z[1] = 300;
    place_star(0, 0, 0, 0);
    place_star(1, 0, 0, 0);
    place_star(2, 0, 0, 0);
    render_one_frame();
    EXPECT_EQ(star_z(0), STAR_CENTRE - 100);
    EXPECT_EQ(star_z(1), STAR_CENTRE - 300);
    EXPECT_EQ(star_z(2), STAR_CENTRE);
}

TEST_F(StarScene, ZeroRangeHidesStarsUnlessRainbowColoursThem) {
    place_star(1, AHEAD, UP, RIGHT);
    track4a = 0;
    render_one_frame();
    EXPECT_EQ(read_frame().lit_pixels(), 0);

    flat = 1;
    render_one_frame();
    const Frame frame = read_frame();
    EXPECT_EQ(frame.lit_pixels(), 1);
    const WindowPoint p = project_star(AHEAD, UP, RIGHT);
    const uint8_t* pixel = frame.at(static_cast<int>(p.x), static_cast<int>(p.y));
    EXPECT_GT(pixel[0], 200); // the first hue of the rainbow is red
    EXPECT_EQ(pixel[1], 0);
    EXPECT_EQ(pixel[2], 0);

    // A star at distance 0 with range 0 has no defined brightness; it must not turn into a
    // near star with a tail.
    star_with_upward_tail();
    place_star(1, 0, 0, 0);
    track4a = 0;
    for (int rainbow : {0, 1}) {
        flat = rainbow;
        render_one_frame();
        EXPECT_EQ(read_frame().lit_pixels(), 0) << "Rainbow " << rainbow;
    }
}

TEST_F(StarScene, NearFormsCoverMoreThanLinesAndMeteorsStayPoints) {
    star_with_upward_tail();
    struct Form {
        int sphere, tri;
    };
    const Form line{0, 0}, triangle{0, 1}, rectangle{1, 1}, sphere{1, 0};
    auto covered = [](const Form& form, int meteors) {
        backflag = form.sphere;
        ring = form.tri;
        bars = meteors;
        track20j = 8000; // with meteors on, star 1 is one
        render_one_frame();
        return read_frame().lit_pixels();
    };
    const int line_pixels = covered(line, 0);
    EXPECT_GT(line_pixels, 20);
    EXPECT_GT(covered(triangle, 0), line_pixels);
    EXPECT_GT(covered(rectangle, 0), line_pixels);
    EXPECT_GT(covered(sphere, 0), line_pixels);
    for (const Form& form : {line, triangle, rectangle, sphere}) {
        const int meteor_pixels = covered(form, 1);
        EXPECT_GE(meteor_pixels, 1);
        EXPECT_LE(meteor_pixels, 4); // meteor size 2
    }
}

TEST_F(StarScene, SpheresLeaveTheCameraWhereItWas) {
    backflag = 1;
    track4b = 0;
    track10 = 3.0f;
    place_star(1, AHEAD, UP, RIGHT);
    place_star(2, AHEAD, -UP, -RIGHT);
    GLfloat before[16], after[16];
    glLoadIdentity();
    glTranslatef(0.0f, 0.0f, -0.01f);
    render_frame();
    glGetFloatv(GL_MODELVIEW_MATRIX, after);
    glLoadIdentity();
    glTranslatef(0.0f, 0.0f, -0.01f);
    backflag = 0; // no spheres: the camera alone
    render_frame();
    glGetFloatv(GL_MODELVIEW_MATRIX, before);
    for (int k = 0; k < 16; ++k) EXPECT_NEAR(after[k], before[k], 1e-5f) << k;
}

TEST_F(StarScene, FadeFactorDimsStarsTailsAndPoints) {
    track4a = 500; // range 40000
    track4b = 500;
    track13 = 100.0f;
    xcz = velocity_y = 50.0f;
    track20c = track20d = 0; // red tails
    track10 = 2.0f;
    place_star(1, AHEAD, 0, 0);         // near: a line
    place_star(2, 30000, -3000, -4000); // far: a pixel star
    render_one_frame();
    const Frame bright = read_frame();
    fade_factor = 0.5f;
    render_one_frame();
    const Frame dim = read_frame();
    for (int k = 0; k < 3; ++k) {
        ASSERT_GT(bright.channel_sum(k), 1000) << k;
        EXPECT_NEAR(static_cast<double>(dim.channel_sum(k)) / bright.channel_sum(k), 0.5, 0.05)
            << k;
    }
}

TEST_F(StarScene, ShortZFoldsStoredDepthInTheSameFrame) {
    shortmode = 1;
    track10 = 3.0f;
    place_star(1, 10000 - STAR_CENTRE, 0, 0);
    place_star(2, 50000 - STAR_CENTRE, 0, 0);
    place_star(3, 30000 - STAR_CENTRE, 0, 0);
    render_one_frame();
    EXPECT_EQ(star_z(1), 26384);
    EXPECT_EQ(star_z(2), 33616);
    EXPECT_EQ(star_z(3), 30000);
}

TEST_F(StarScene, LastAppendedPixelStarIsDrawnFirst) {
    track4a = 200; // range 16000: the two stars differ clearly
    track10 = 2.0f;
    place_star(1, AHEAD, 0, 0);
    place_star(2, 12000, 0, 0); // same pixel, dimmer
    render_one_frame();
    const Frame frame = read_frame();
    EXPECT_EQ(frame.lit_pixels(), 1);
    const WindowPoint p = project_star(AHEAD, 0, 0);
    // Star 1 (brightness 0.375) is drawn over star 2 (0.25).
    EXPECT_NEAR(frame.at(static_cast<int>(p.x), static_cast<int>(p.y))[0], 0.375 * 255, 2.0);
}

// The batches drawn through client arrays give the same picture, pixel for pixel, as the same
// vertices sent one by one.
void draw_batches_immediately(GLenum near_mode) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    auto send = [](const StarVertex& v) {
        glColor3fv(v.colour);
        glVertex3fv(v.position);
    };
    glPointSize(static_cast<float>(triang + 2));
    glBegin(GL_POINTS);
    for (int k = 0; k < meteor_vertex_count; ++k) send(meteor_vertices[k]);
    glEnd();
    glBegin(near_mode);
    for (int k = 0; k < near_vertex_count; ++k) send(near_vertices[k]);
    glEnd();
    glPointSize(static_cast<float>(pixel_point_size));
    glBegin(GL_POINTS);
    for (int k = STAR_COUNT - pixel_star_count; k < STAR_COUNT; ++k) send(pixel_stars[k]);
    glEnd();
    glFinish();
}

TEST_F(StarScene, ClientArraysDrawTheSamePictureAsImmediateMode) {
    std::mt19937 random(7);
    for (int i = 0; i < STAR_COUNT; ++i) {
        for (int plane = 0; plane < PLANE_COUNT; ++plane)
            display_stars[plane][i] = static_cast<uint8_t>(random());
    }
    track10 = 32000.0f;
    track4a = 400;
    track4b = 300;
    bars = 1;
    track20j = 800;
    track13 = 60.0f;
    xcz = velocity_y = 40.0f;
    xcy = velocity_x = 30.0f;
    track20i = 1;
    pixel_point_size = 2;
    struct Form {
        int sphere, tri;
        GLenum mode;
    };
    for (const Form& form :
         {Form{0, 0, GL_LINES}, Form{0, 1, GL_TRIANGLES}, Form{1, 1, GL_QUADS}}) {
        backflag = form.sphere;
        ring = form.tri;
        render_one_frame();
        const Frame arrays = read_frame();
        ASSERT_GT(meteor_vertex_count, 0);
        ASSERT_GT(near_vertex_count, 0);
        ASSERT_GT(pixel_star_count, 1000);
        draw_batches_immediately(form.mode);
        const Frame immediate = read_frame();
        EXPECT_GT(immediate.lit_pixels(), 100);
        EXPECT_TRUE(arrays.rgba == immediate.rgba) << "form " << form.mode;
    }
}

} // namespace
