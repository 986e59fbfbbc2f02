// The product's own content, as the build made it: every module plays, every image and the
// sound are valid files, and making them again gives the same bytes.
#include "platform/common/wave_file.h"
#include "platform/headless.h"
#include "platform/profile.h"
#include "saver/engine/engine_state.h"
#include "saver/engine/frame_step.h"
#include "saver/engine/gl_state.h"
#include "saver/engine/random.h"
#include "saver/engine/tables.h"
#include "saver/engine/targa_reader.h"
#include "saver/model/model_state.h"
#include "saver/model/module_files.h"
#include "saver/model/recording.h"
#include "saver/model/settings.h"
#include "saver/model/view.h"
#include "saver/model/view_io.h"
#include "tests/support/gl_window.h"
#include "tests/support/test_env.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <dirent.h>
#include <string>
#include <vector>

namespace {

const std::string product = SOLVANTRIX_PRODUCT_DIR;

std::vector<std::string> files_in(const std::string& directory, const std::string& extension) {
    std::vector<std::string> names;
    if (DIR* dir = opendir(directory.c_str())) {
        while (dirent* entry = readdir(dir)) {
            const std::string name = entry->d_name;
            if (name.size() > extension.size() &&
                name.compare(name.size() - extension.size(), extension.size(), extension) == 0)
                names.push_back(name);
        }
        closedir(dir);
    }
    std::sort(names.begin(), names.end());
    return names;
}

const char* const PACKAGES[] = {
    "Anti-Light-4",
    "Ascent",
    "Corona",
    "Galaxy-2",
    "Giant-Stars-2",
    "Globular-Cluster-1",
    "Globular-Rotate-2",
    "Green-Bubbles-Slow",
    "Green-Descent",
    "Hyper-Cluster",
    "Hyper-Plane-2",
    "Hyper-Plane-6",
    "Hyper-Space-10",
    "Hyper-Space-2",
    "Solvantrix-1",
    "Solvantrix-2",
    "Lunar-Window",
    "Mars-Crash",
    "Nebula-3",
    "Nebula-5",
    "Orb",
    "Orbit-3",
    "Planar-1",
    "Planet-Flight",
    "Planet-Flight-2",
    "Ring-Giant",
    "Snow-2",
    "Space-Folding",
    "Square-Field-2",
    "Standard-Starfield-1",
    "Standard-Starfield-2",
    "Sub-Light-2",
    "Sub-Light-4",
    "Sub-Light-6",
    "Sub-Light-7",
    "Sub-Light-8",
    "Sub-Light-N",
    "Sub-Light-Tumble",
    "Sub-Space-1",
    "Sub-Space-10",
    "Sub-Space-3",
    "Sub-Space-7",
    "Sub-Space-9",
    "Tri-Cloud-2",
    "Tube-Morph-3",
    "Tube-Morph-Pulse",
    "Vortex-1",
    "Vortex-7",
    "Vortex-9",
    "XTAL-Matrix",
};

const char* const IMAGES[] = {"M",     "LAYER",  "PATTERN", "SKY",   "SPOT",
                              "HORIZ", "HORIZ2", "HORIZ3",  "HANDH", "MARTIAN",
                              "BLANK", "MILK2",  "M42",     "MOON",  "RINGBALL"};

TEST(ProductLibrary, HoldsTheFiftyPackagesAndTheDemo) {
    const std::vector<std::string> modules = files_in(product + "/library", ".sv");
    for (const char* name : PACKAGES)
        EXPECT_NE(std::find(modules.begin(), modules.end(), std::string(name) + ".sv"),
                  modules.end())
            << name;
    EXPECT_NE(std::find(modules.begin(), modules.end(), "demo.sv"), modules.end());
    EXPECT_EQ(modules.size(), 51u);
}

TEST(ProductImages, AreTargaFilesTheProgramReads) {
    int colour_mapped = 0, true_colour = 0;
    for (const char* name : IMAGES) {
        const std::string bytes = read_file(product + "/images/" + name + ".TGA");
        ASSERT_GT(bytes.size(), TARGA_HEADER_SIZE) << name;
        uint8_t palette[PALETTE_TABLE_SIZE];
        RgbImage image;
        EXPECT_TRUE(read_targa(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), false,
                               palette, image))
            << name;
        const int type = static_cast<uint8_t>(bytes[2]);
        const int depth = static_cast<uint8_t>(bytes[16]);
        EXPECT_TRUE((type == 1 && depth == 8) || (type == 2 && depth == 24)) << name;
        (type == 1 ? colour_mapped : true_colour)++;
    }
    EXPECT_GT(colour_mapped, 0);
    EXPECT_GT(true_colour, 0);
}

TEST(ProductSound, IsAPlayableWave) {
    WaveSound sound;
    ASSERT_TRUE(read_wave_file((product + "/images/RUMBLE.WAV").c_str(), &sound));
    EXPECT_EQ(sound.format_tag, 1u);
    EXPECT_GT(sound.samples.size(), static_cast<size_t>(sound.sample_rate) * 2);
}

TEST(ProductManual, IsThere) {
    EXPECT_GT(read_file(product + "/library/readme.txt").size(), 2000u);
}

// Every key of every View within the range of its control.
void expect_view_in_range(const std::string& where) {
    struct Range {
        const char* key;
        float value, low, high;
    } ranges[] = {
        {"track10", track10, 0, 32000},
        {"track4a", float(track4a), 0, 2000},
        {"track4b", float(track4b), 0, 1000},
        {"track7", float(track7), 0, 1010},
        {"track8", float(track8), 0, 1600},
        {"track13", track13, 0, 360},
        {"track20h", float(track20h), 0, 64},
        {"track20i", float(track20i), 0, 32},
        {"track20j", float(track20j), 0, 8000},
        {"track20k", float(track20k), 0, 128},
        {"track20l", float(track20l), 0, 128},
        {"track20e", float(track20e), 0, 128},
        {"fov", float(fov), 0, 180},
        {"vista", float(vista), 0, 1000},
        {"track4", float(track4), 0, 3600},
        {"track5", float(track5), 0, 3600},
        {"track6", float(track6), 0, 3600},
        {"track1", track1, 0, 360},
        {"track2", track2, 0, 360},
        {"track3", track3, 0, 360},
        {"backcolor", float(backcolor), 0, 256},
        {"titlelen", float(titlelen), 0, 768},
        {"track9z", track9z, 0, 2500},
        {"track9zq", track9zq, 0, 2500},
        {"xcolormode", float(xcolormode), 0, 8},
        {"colormode", float(colormode), 0, 8},
    };
    for (const Range& r : ranges) {
        EXPECT_GE(r.value, r.low) << where << " " << r.key;
        EXPECT_LE(r.value, r.high) << where << " " << r.key;
    }
}

struct FrameLight {
    int lit, white;
};

FrameLight measure_frame() {
    std::vector<uint8_t> pixels(320 * 180 * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, 320, 180, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    FrameLight light{0, 0};
    for (size_t i = 0; i < pixels.size(); i += 3) {
        const int sum = pixels[i] + pixels[i + 1] + pixels[i + 2];
        if (sum > 60) ++light.lit;
        if (sum > 750) ++light.white;
    }
    return light;
}

class ProductModules : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        headless_reset();
        write_private_profile_string("data", "path", (product + "/").c_str(), SETTINGS_FILE);
        read_global_settings();
        globaldelay = 0;
        frame_period = 0;
        seed_random(7);
        build_sine_table();
        build_offset_tables();
    }
};

TEST_F(ProductModules, EveryModuleLoadsItsViewsPlaysItsRecordingAndShowsStars) {
    Hwnd hwnd = create_gl_test_window(320, 180);
    ASSERT_TRUE(hwnd);
    init_gl_state(hwnd);
    int frames_played = 0;
    for (const std::string& file : files_in(product + "/library", ".sv")) {
        SCOPED_TRACE(file);
        const std::string path = product + "/library/" + file;
        int without_stars = 0;
        ASSERT_EQ(load_module(path.c_str(), &without_stars), 1);
        EXPECT_GT(recorded_length, 0);

        for (int view = 0; view < 8; ++view) {
            load_view(std::to_string(2000 + view).c_str());
            expect_view_in_range(file + " View " + std::to_string(view + 1));
        }

        // The recording ends or loops back before it runs off its end.
        start_playback();
        int samples = 0;
        while (recording_state == RECORDING_PLAYBACK && samples < 40000) {
            recording_step();
            ++samples;
            if (recording_position == 2 && samples > 1) break; // looped
        }
        EXPECT_LE(samples, recorded_length / 2 + 1);

        if (without_stars) anchor_flag = 1;
        start_playback();
        // A few seconds into the movie, and twice more later on.
        for (int moment : {150, 300, 450}) {
            while (frames_played < moment) {
                frame_step(hwnd);
                ++frames_played;
            }
            const FrameLight light = measure_frame();
            EXPECT_GT(light.lit, 100) << "a black frame at " << moment;
            EXPECT_LT(light.white, 320 * 180 / 2) << "a saturated frame at " << moment;
        }
        frames_played = 0;
    }
}

TEST(ProductGeneration, IsDeterministic) {
    const std::string first = make_temp_dir("library-a"), second = make_temp_dir("library-b");
    ASSERT_EQ(std::system((std::string(MODULE_MAKER) + " " + first).c_str()), 0);
    ASSERT_EQ(std::system((std::string(MODULE_MAKER) + " " + second).c_str()), 0);
    ASSERT_EQ(std::system(("diff -r " + first + " " + second + " > /dev/null").c_str()), 0);
    const std::string images_a = make_temp_dir("images-a"), images_b = make_temp_dir("images-b");
    ASSERT_EQ(std::system((std::string(MEDIA_MAKER) + " " + images_a).c_str()), 0);
    ASSERT_EQ(std::system((std::string(MEDIA_MAKER) + " " + images_b).c_str()), 0);
    ASSERT_EQ(std::system(("diff -r " + images_a + " " + images_b + " > /dev/null").c_str()), 0);
}

} // namespace
