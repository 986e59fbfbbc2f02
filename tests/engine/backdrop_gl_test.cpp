#include "platform/profile.h"
#include "saver/engine/backdrop.h"
#include "saver/engine/flight.h"
#include "saver/model/model_state.h"
#include "saver/model/settings.h"
#include "tests/engine/star_scene.h"
#include "tests/engine/targa_bytes.h"
#include "tests/support/test_env.h"

#include <sys/stat.h>

namespace {

// A backdrop scene: the quiet flight of the star tests, a fresh install directory with an
// "images" folder, and the backdrop settings at their defaults.
class Backdrop : public StarScene {
  protected:
    std::string images;

    void SetUp() override {
        StarScene::SetUp();
        const std::string install = make_temp_dir("install") + "/";
        images = install + "images/";
        mkdir(images.c_str(), 0755);
        ASSERT_TRUE(write_private_profile_string("data", "path", install.c_str(), SETTINGS_FILE));
        backdrop_texture_exists = 0;
        backdrop_image_loaded = 0;
        backdrop_hold = 0;
        backdrop_brightness = 1.0f;
        backresolution = 0;
        auxresolution = 120;
        backdrop_resolution = 60;
        balls1 = 0;
        plot = 1;
    }

    void write_image(const char* name, const Bytes& bytes) {
        write_file(images + name, std::string(bytes.begin(), bytes.end()));
    }

    // Loads an image and releases the hold as the following View load would.
    void show(const char* shell0) {
        ASSERT_EQ(load_backdrop_image(shell0), 1);
        backdrop_hold = 0;
    }

    // The frame step's camera and the renderer's flight model, then the backdrop alone.
    Frame draw_frame() {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glTranslatef(0.0f, 0.0f, -0.01f);
        flight_update_and_camera();
        draw_backdrop();
        glFinish();
        return read_frame();
    }
};

Bytes solid(int width, int height, uint8_t r, uint8_t g, uint8_t b) {
    Bytes bgr;
    for (int i = 0; i < width * height; ++i) bgr.insert(bgr.end(), {b, g, r});
    return true_colour(width, height, bgr);
}

// Left half red, right half blue.
Bytes two_halves(int width, int height) {
    Bytes bgr;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const uint8_t red = x < width / 2 ? 255 : 0;
            bgr.insert(bgr.end(), {static_cast<uint8_t>(255 - red), 0, red});
        }
    return true_colour(width, height, bgr);
}

void expect_whole_frame(const Frame& frame, int r, int g, int b) {
    int wrong = 0;
    for (int y = 0; y < SCENE_HEIGHT; ++y)
        for (int x = 0; x < SCENE_WIDTH; ++x) {
            const uint8_t* p = frame.at(x, y);
            if (std::abs(p[0] - r) > 1 || std::abs(p[1] - g) > 1 || std::abs(p[2] - b) > 1) ++wrong;
        }
    EXPECT_EQ(wrong, 0) << "centre pixel " << int(frame.at(80, 60)[0]) << ","
                        << int(frame.at(80, 60)[1]) << "," << int(frame.at(80, 60)[2]);
}

bool lit(const Frame& frame, int x, int y) {
    const uint8_t* p = frame.at(x, y);
    return p[0] || p[1] || p[2];
}

TEST_F(Backdrop, BackdropModeFillsTheViewWithTheImage) {
    write_image("SKY.TGA", solid(16, 8, 200, 100, 50));
    show("C:\\SOLVANTRIX\\IMAGES\\SKY.TGA");
    expect_whole_frame(draw_frame(), 200, 100, 50);
}

TEST_F(Backdrop, NothingIsDrawnWhenOffHeldOrWithoutAnImage) {
    write_image("SKY.TGA", solid(16, 8, 200, 100, 50));
    ASSERT_EQ(load_backdrop_image("images\\SKY.TGA"), 1);
    EXPECT_EQ(backdrop_hold, 1); // a load hides the backdrop until a View load
    EXPECT_EQ(draw_frame().lit_pixels(), 0);

    backdrop_hold = 0;
    plot = 0;
    EXPECT_EQ(draw_frame().lit_pixels(), 0);

    // A missing or refused image leaves no texture, not a grey sphere.
    plot = 1;
    write_image("RLE.TGA", header_bytes({10, 0, 0, 0, 1, 1, 24, 0}));
    for (const char* name : {"images\\MISSING.TGA", "images\\RLE.TGA"}) {
        EXPECT_EQ(load_backdrop_image(name), 0) << name;
        backdrop_hold = 0;
        EXPECT_EQ(draw_frame().lit_pixels(), 0) << name;
    }
}

TEST_F(Backdrop, BrightnessAndFadeDimTheImage) {
    write_image("SKY.TGA", solid(16, 8, 200, 100, 50));
    show("/SKY.TGA");
    backdrop_brightness = 0.5f;
    expect_whole_frame(draw_frame(), 100, 50, 25);
    fade_factor = 0.5f;
    expect_whole_frame(draw_frame(), 50, 25, 12);
}

TEST_F(Backdrop, ImageModeTintsWithTheFirstColourSet) {
    write_image("WHITE.TGA", solid(16, 8, 255, 255, 255));
    show("x/WHITE.TGA");
    expect_whole_frame(draw_frame(), 255, 255, 255);
    dig = 1;
    star_colour[0] = 255;
    star_colour[1] = 128;
    star_colour[2] = 0;
    expect_whole_frame(draw_frame(), 254, 127, 0);
}

TEST_F(Backdrop, PositionYAtItsEndSpinsTheImage) {
    write_image("HALVES.TGA", two_halves(16, 8));
    show("\\HALVES.TGA");
    // Straight ahead lies the first half of the image ...
    const Frame ahead = draw_frame();
    EXPECT_GT(ahead.at(SCENE_WIDTH / 2, SCENE_HEIGHT / 2)[0], 200);
    EXPECT_LT(ahead.at(SCENE_WIDTH / 2, SCENE_HEIGHT / 2)[2], 50);

    // ... and half a turn later the second.
    track2 = 360.0f;
    spin1 = 180.0f;
    const Frame turned = draw_frame();
    EXPECT_LT(turned.at(SCENE_WIDTH / 2, SCENE_HEIGHT / 2)[0], 50);
    EXPECT_GT(turned.at(SCENE_WIDTH / 2, SCENE_HEIGHT / 2)[2], 200);
}

TEST_F(Backdrop, FlyModesFollowStarZeroAndRestoreTheTransform) {
    write_image("WHITE.TGA", solid(16, 8, 255, 255, 255));
    for (int mode : {3, 4}) {
        balls1 = mode;
        show("\\WHITE.TGA");
        const int ahead = mode == 3 ? 20000 : 1000;
        const int up = mode == 3 ? 7000 : 400; // more than the radius: the centre stays dark
        place_star(0, ahead, 0, 0);
        Frame frame = draw_frame();
        EXPECT_TRUE(lit(frame, SCENE_WIDTH / 2, SCENE_HEIGHT / 2)) << mode;
        EXPECT_FALSE(lit(frame, 0, 0)) << mode;
        EXPECT_EQ(backdrop_anchor[0], STAR_CENTRE + ahead);
        EXPECT_EQ(backdrop_anchor[1], STAR_CENTRE);

        place_star(0, ahead, up, 0);
        frame = draw_frame();
        const WindowPoint p = project_star(ahead, up, 0);
        EXPECT_TRUE(lit(frame, static_cast<int>(p.x), static_cast<int>(p.y))) << mode;
        EXPECT_FALSE(lit(frame, SCENE_WIDTH / 2, SCENE_HEIGHT / 2)) << mode;
    }

    // The stars that follow are drawn in the scene transform as it was before the backdrop.
    track2 = 360.0f;
    spin1 = 33.0f;
    glLoadIdentity();
    flight_update_and_camera();
    float before[16], after[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, before);
    draw_backdrop();
    glGetFloatv(GL_MODELVIEW_MATRIX, after);
    for (int k = 0; k < 16; ++k) EXPECT_NEAR(after[k], before[k], 1e-6f) << k;
}

// Every texel different, so that a vertex or texture coordinate sent otherwise shows.
Bytes noise(int width, int height) {
    Bytes bgr;
    uint32_t state = 12345;
    for (int i = 0; i < width * height * 3; ++i) {
        state = state * 1664525u + 1013904223u;
        bgr.push_back(static_cast<uint8_t>(state >> 24));
    }
    return true_colour(width, height, bgr);
}

// The backdrop as one immediate-mode quad strip per band, straight from the mesh: the picture
// the strip arrays must reproduce.
Frame draw_backdrop_vertex_by_vertex() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(0.0f, 0.0f, -0.01f);
    flight_update_and_camera();
    glEnable(GL_TEXTURE_2D);
    bind_backdrop_texture();
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
    const float shade = fade_factor * backdrop_brightness;
    glColor3f(shade, shade, shade);
    if (balls1 == 3 || balls1 == 4)
        glTranslatef(static_cast<float>(star_z(0) - STAR_CENTRE),
                     static_cast<float>(star_y(0) - STAR_CENTRE),
                     static_cast<float>(star_x(0) - STAR_CENTRE));
    glRotatef(backdrop_spin_angle, 0.0f, 1.0f, 0.0f);
    const int n = backdrop_subdivision;
    for (int b = 0; b < n; ++b) {
        glBegin(GL_QUAD_STRIP);
        for (int a = 0; a <= n; ++a)
            for (const BackdropPoint& p : {backdrop_mesh[a][b], backdrop_mesh[a][b + 1]}) {
                glTexCoord2f(p.s, p.t);
                glVertex3f(p.x, p.y, p.z);
            }
        glEnd();
    }
    glDisable(GL_TEXTURE_2D);
    glFinish();
    return read_frame();
}

TEST_F(Backdrop, StripArraysDrawTheMeshPixelForPixel) {
    write_image("NOISE.TGA", noise(64, 32));
    track2 = 360.0f;
    place_star(0, 3000, 100, 50);
    struct Case {
        int mode, resolution;
        float spin;
    };
    for (const Case c :
         {Case{0, 60, 0.0f}, Case{0, 60, 171.0f}, Case{0, 120, 300.0f}, Case{0, 7, 45.0f},
          Case{1, 60, 90.0f}, Case{2, 13, 10.0f}, Case{3, 60, 200.0f}, Case{4, 60, 5.0f}}) {
        balls1 = c.mode;
        backdrop_resolution = c.resolution;
        spin1 = c.spin;
        show("\\NOISE.TGA");
        const Frame arrays = draw_frame();
        const Frame reference = draw_backdrop_vertex_by_vertex();
        EXPECT_GT(reference.lit_pixels(), 0) << c.mode << " " << c.resolution;
        EXPECT_EQ(arrays.rgba, reference.rgba) << c.mode << " " << c.resolution << " " << c.spin;
    }
}

TEST_F(Backdrop, OtherModesStayAtTheOrigin) {
    write_image("WHITE.TGA", solid(16, 8, 255, 255, 255));
    place_star(0, 20000, 7000, 0);
    balls1 = 1; // Planet Small, 0.01 ahead of the eye: a disc of 11.5 degrees
    show("\\WHITE.TGA");
    const Frame frame = draw_frame();
    EXPECT_TRUE(lit(frame, SCENE_WIDTH / 2, SCENE_HEIGHT / 2));
    EXPECT_FALSE(lit(frame, 0, 0));
    const WindowPoint p = project_star(20000, 7000, 0);
    EXPECT_FALSE(lit(frame, static_cast<int>(p.x), static_cast<int>(p.y)));
}

int texture_level0(GLenum what) {
    GLint value = 0;
    bind_backdrop_texture();
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, what, &value);
    return value;
}

TEST_F(Backdrop, LargeColourMappedImagesUploadAtHalfSizeWhenReduced) {
    Bytes map;
    for (int i = 0; i < 256; ++i) map.insert(map.end(), 3, static_cast<uint8_t>(i));
    write_image("BIG.TGA", colour_mapped(2048, 1024, map, Bytes(2048 * 1024, 7)));
    backresolution = 1;
    show("\\BIG.TGA");
    EXPECT_EQ(texture_level0(GL_TEXTURE_WIDTH), 1024);
    EXPECT_EQ(texture_level0(GL_TEXTURE_HEIGHT), 512);

    backresolution = 0;
    show("\\BIG.TGA");
    EXPECT_EQ(texture_level0(GL_TEXTURE_WIDTH), 2048);
    EXPECT_EQ(texture_level0(GL_TEXTURE_HEIGHT), 1024);

    // Sizes that are no power of two are scaled by the mipmap builder.
    write_image("ODD.TGA", colour_mapped(256, 133, map, Bytes(256 * 133, 7)));
    show("\\ODD.TGA");
    const int height = texture_level0(GL_TEXTURE_HEIGHT);
    EXPECT_GT(height, 0);
    EXPECT_EQ(height & (height - 1), 0);
}

TEST_F(Backdrop, ImagesComeFromTheInstallWhateverTheStoredDirectory) {
    const std::string expected = images + "M42.TGA";
    EXPECT_EQ(backdrop_image_file("C:\\Program Files\\Else\\images\\M42.TGA"), expected);
    EXPECT_EQ(backdrop_image_file("/home/someone/M42.TGA"), expected);
    EXPECT_EQ(backdrop_image_file("M42.TGA"), expected);
    // Names that lead elsewhere are only ever looked up inside "images".
    EXPECT_EQ(backdrop_image_file("images\\..\\..\\etc/passwd"), images + "passwd");
}

TEST_F(Backdrop, NonRegularFilesAreRefusedWithoutBlocking) {
    const std::string pipe = images + "PIPE.TGA";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_EQ(load_backdrop_image("\\PIPE.TGA"), 0);
    mkdir((images + "DIR.TGA").c_str(), 0755);
    EXPECT_EQ(load_backdrop_image("\\DIR.TGA"), 0);
    EXPECT_EQ(load_backdrop_image("images\\"), 0);
}

TEST_F(Backdrop, ResolutionZeroDrawsNoQuads) {
    write_image("WHITE.TGA", solid(16, 8, 255, 255, 255));
    backdrop_resolution = 0;
    show("\\WHITE.TGA");
    EXPECT_EQ(backdrop_subdivision, 0);
    EXPECT_EQ(draw_frame().lit_pixels(), 0);
}

// The mesh alone, without GL.
class BackdropMesh : public ::testing::Test {
  protected:
    void SetUp() override {
        auxresolution = 120;
        backdrop_resolution = 60;
        balls1 = 0;
    }
};

TEST_F(BackdropMesh, SubdivisionIsTheSmallerResolutionCappedAtTheMesh) {
    build_backdrop_mesh();
    EXPECT_EQ(backdrop_subdivision, 60);
    auxresolution = 12;
    build_backdrop_mesh();
    EXPECT_EQ(backdrop_subdivision, 12);
    auxresolution = 500;
    backdrop_resolution = 240;
    build_backdrop_mesh();
    EXPECT_EQ(backdrop_subdivision, BACKDROP_MESH_SIDE - 1);
    backdrop_resolution = -5;
    build_backdrop_mesh();
    EXPECT_EQ(backdrop_subdivision, 0);
}

} // namespace
