#include "saver/engine/engine_state.h"
#include "saver/model/model_state.h"
#include "saver/model/settings.h"
#include "saver/model/view.h"
#include "saver/model/view_io.h"
#include "tests/support/test_env.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

class ViewLoad : public ::testing::Test {
  protected:
    void SetUp() override {
        work_file = make_temp_dir("views") + "/module.ini";
        std::snprintf(module_work_file, sizeof module_work_file, "%s", work_file.c_str());
        keep_motion = 0;
        mouse_control_off = 0;
        follow_direction = 1;
        projection_dirty = 0;
        anchor_flag = 0;
        backresolution2x = 0;
        mettype = 0;
    }

    // A module work file with an items section and one View section "2000".
    void write_view(const std::string& view_lines, const std::string& items_lines = "") {
        write_file(work_file, "[items]  \n" + items_lines + "\n[2000]  \n" + view_lines + "\n");
    }

    std::string work_file;
};

TEST_F(ViewLoad, MissingSectionGivesEveryDefault) {
    write_view("track20=9\nbackflag=on\nplot=1\nxcolormode=0\nbackcolor=0\ntrack10=5.0");
    track20 = 9;
    backflag = 1;
    plot = 1;
    xcolormode = 0;
    backcolor = 0;
    track10 = 5.0f;
    digitsize = 7.0f;
    ASSERT_EQ(load_view("2004"), 0);
    EXPECT_EQ(track20, 0);
    EXPECT_EQ(backflag, 0);
    EXPECT_EQ(plot, 0);
    EXPECT_EQ(xcolormode, 3);
    EXPECT_EQ(backcolor, 255);
    EXPECT_EQ(track10, 0.0f);
    EXPECT_EQ(digitsize, 0.0f);
    EXPECT_EQ(pixel_point_size, 1);
}

TEST_F(ViewLoad, MissingReverseSwitchesTakeTheTextJustRead) {
    write_view("barsx1=on");
    load_view("2000");
    EXPECT_EQ(barsx1, 1);
    EXPECT_EQ(barsx2, 1);
    EXPECT_EQ(barsx3, 1);

    write_view("barsx1=on\nbarsx2=off");
    load_view("2000");
    EXPECT_EQ(barsx2, 0);
    EXPECT_EQ(barsx3, 0);

    write_view("barsx1=off\nbarsx3=on");
    load_view("2000");
    EXPECT_EQ(barsx2, 0);
    EXPECT_EQ(barsx3, 1);
}

TEST_F(ViewLoad, ExtremeStoredIntegersAreBoundedToAMillion) {
    write_view("track20k=2147483647\nbackcolor=-2147483648\nfov=99999\ntrack20h=2147483647");
    load_view("2000");
    EXPECT_EQ(track20k, 1000000);
    EXPECT_EQ(backcolor, -1000000);
    EXPECT_EQ(fov, 99999); // out of the slider's range, but kept as stored
    EXPECT_EQ(pixel_point_size, 1000001);
}

TEST_F(ViewLoad, SwitchesAreOnOnlyForExactlyOn) {
    write_view("flat=on\ndig=On\nxfloor=ON\nring=1\nbars=on");
    dig = xfloor = ring = 1;
    load_view("2000");
    EXPECT_EQ(flat, 1);
    EXPECT_EQ(dig, 0);
    EXPECT_EQ(xfloor, 0);
    EXPECT_EQ(ring, 0);
    EXPECT_EQ(bars, 1);
}

TEST_F(ViewLoad, GlideTimesWithoutTheirOwnKeysShareTheRotationGlide) {
    write_view("track20f=250");
    load_view("2000");
    EXPECT_EQ(track20f1, 250);
    EXPECT_EQ(track20f2, 250);
    EXPECT_EQ(track20f3, 250);

    write_view("track20f=250\ntrack20f2=40");
    load_view("2000");
    EXPECT_EQ(track20f1, 250);
    EXPECT_EQ(track20f2, 40);
    EXPECT_EQ(track20f3, 250);
}

TEST_F(ViewLoad, ChoicesTakeOnlyTheirListedDigits) {
    sphere1 = 2;
    xcolormode = 5;
    colormode = 4;
    write_view("plot=2\nsphere1=7\nsphere2=1\ntriang=0\nballs=3\ncolormode=8\nxcolormode=12");
    load_view("2000");
    EXPECT_EQ(plot, 1);
    EXPECT_EQ(sphere1, 2);
    EXPECT_EQ(sphere2, 1);
    EXPECT_EQ(triang, -1);
    EXPECT_EQ(balls, 3);
    EXPECT_EQ(colormode, 8);
    EXPECT_EQ(xcolormode, 5);

    write_view("plot=0\nsphere1=1\ntriang=3\ncolormode=x");
    load_view("2000");
    EXPECT_EQ(plot, 0);
    EXPECT_EQ(sphere1, 1);
    EXPECT_EQ(triang, 2);
    EXPECT_EQ(colormode, 8);

    write_view("plot=off");
    load_view("2000");
    EXPECT_EQ(plot, 1);
}

TEST_F(ViewLoad, BackdropKeysComeFromTheItemsSection) {
    balls1 = 0;
    write_view("balls1=2", "shell0=/images/nebula.tga\nballs1=4");
    load_view("2000");
    EXPECT_EQ(balls1, 4);
    EXPECT_STREQ(backdrop_path, "/images/nebula.tga");

    const std::string long_path(700, 'p');
    write_view("", "shell0=" + long_path);
    load_view("2000");
    EXPECT_EQ(std::strlen(backdrop_path), sizeof backdrop_path - 1);
}

TEST_F(ViewLoad, StoredRealsAreReadFromTheirFirstNineCharacters) {
    write_view("digitsize=255.000000\ntrack10=100.000000\ntrack13=-3.000000\ntrack9=1e5\n"
               "track9z=2500.000000\ntrack9zq=12.5");
    track9 = 7.0f;
    load_view("2000");
    EXPECT_FLOAT_EQ(digitsize, 255.0f);
    EXPECT_FLOAT_EQ(track10, 100.0f);
    EXPECT_FLOAT_EQ(track13, -3.0f);
    EXPECT_EQ(track9, 0.0f);
    EXPECT_FLOAT_EQ(track9z, 2500.0f);
    EXPECT_FLOAT_EQ(track9zq, 12.5f);
}

TEST_F(ViewLoad, AnglesAndBlueAreUnsignedButThrustIsSigned) {
    write_view("track1=-1\ntrack2=90\ntrack3=360.000000\ndigitsize=-2\nvista=-5");
    load_view("2000");
    EXPECT_FLOAT_EQ(track1, 4294967295.0f);
    EXPECT_GT(track1, 4.29e9f);
    EXPECT_FLOAT_EQ(track2, 90.0f);
    EXPECT_FLOAT_EQ(track3, 360.0f);
    EXPECT_FLOAT_EQ(digitsize, 4294967294.0f);
    EXPECT_EQ(vista, -5);
    EXPECT_FLOAT_EQ(thrust_target, -5.0f);
}

TEST_F(ViewLoad, DerivedValuesFollowTheirKeys) {
    write_view("track7=1010\ntrack8=1500\nvista=498\ntrack20h=3");
    backresolution2x = 5;
    load_view("2000");
    EXPECT_EQ(clamped_scale, 1000);
    EXPECT_FLOAT_EQ(size_factor, 1.5f);
    EXPECT_FLOAT_EQ(thrust_target, 498.0f);
    EXPECT_EQ(pixel_point_size, 6);

    write_view("track7=640\ntrack20h=7");
    load_view("2000");
    EXPECT_EQ(clamped_scale, 640);
    EXPECT_EQ(size_factor, 0.0f);
    EXPECT_EQ(pixel_point_size, 8);
}

TEST_F(ViewLoad, CarriedValuesAndIntegersAreReadAsStored) {
    write_view("ycursor=-12\ncurseoutx=16\nfov=64.000000\nbackcolor=0\ntitlelen=2000");
    load_view("2000");
    EXPECT_EQ(ycursor, -12);
    EXPECT_EQ(curseoutx, 16);
    EXPECT_EQ(fov, 64);
    EXPECT_EQ(backcolor, 0);
    EXPECT_EQ(titlelen, 2000); // beyond the slider's range, kept as read
}

constexpr const char* FLIGHT_STATE = "spin=10.000000\nspin1=11.000000\nspin2=12.000000\n"
                                     "xcx=1.500000\nxcy=-2.000000\nxcz=3.000000\n"
                                     "fsdx=4.000000\nfsvz=5.000000\nfsxx=-120.000000\n"
                                     "fsyy=40.000000\nxtx1=90.000000";

void set_flight_state_to_markers() {
    spin = spin1 = spin2 = xcx = xcy = xcz = -7.0f;
    fsdx = fsvz = fsxx = fsyy = xtx1 = -7.0f;
}

TEST_F(ViewLoad, FlightStateLoadsWhenFollowIsOff) {
    write_view(std::string("mettype=off\n") + FLIGHT_STATE);
    set_flight_state_to_markers();
    load_view("2000");
    EXPECT_FLOAT_EQ(spin, 10.0f);
    EXPECT_FLOAT_EQ(spin2, 12.0f);
    EXPECT_FLOAT_EQ(xcx, 1.5f);
    EXPECT_FLOAT_EQ(xcy, -2.0f);
    EXPECT_FLOAT_EQ(fsdx, 4.0f);
    EXPECT_FLOAT_EQ(fsvz, 5.0f);
    EXPECT_FLOAT_EQ(fsxx, -120.0f);
    EXPECT_FLOAT_EQ(fsyy, 40.0f);
    EXPECT_FLOAT_EQ(xtx1, 90.0f);
}

TEST_F(ViewLoad, FollowKeepsTheFlightState) {
    write_view(std::string("mettype=on\ntrack20=77\n") + FLIGHT_STATE);
    set_flight_state_to_markers();
    load_view("2000");
    EXPECT_EQ(mettype, 1);
    EXPECT_EQ(track20, 77);
    EXPECT_EQ(spin, -7.0f);
    EXPECT_EQ(xcx, -7.0f);
    EXPECT_EQ(fsxx, -7.0f);
    EXPECT_EQ(xtx1, -7.0f);
}

TEST_F(ViewLoad, KeepMotionRequestSkipsTheFlightStateOnce) {
    write_view(FLIGHT_STATE);
    set_flight_state_to_markers();
    keep_motion = 1;
    load_view("2000");
    EXPECT_EQ(keep_motion, 0);
    EXPECT_EQ(spin, -7.0f);
    EXPECT_EQ(fsyy, -7.0f);

    load_view("2000");
    EXPECT_FLOAT_EQ(spin, 10.0f);
    EXPECT_FLOAT_EQ(fsyy, 40.0f);
}

TEST_F(ViewLoad, LoadHandsTheViewToTheEngine) {
    write_view("track20=1");
    load_view("2000");
    EXPECT_EQ(mouse_control_off, 1);
    EXPECT_EQ(follow_direction, 0);
    EXPECT_EQ(projection_dirty, 1);
}

TEST_F(ViewLoad, GeneratesStarsOnlyWhenTheAnchorFlagIsSet) {
    write_view("xcolormode=0\ntrack10=32000.000");
    std::memset(target_stars, 0x5A, sizeof target_stars);
    load_view("2000");
    EXPECT_EQ(target_stars[PLANE_XH][STAR_COUNT - 1], 0x5A);

    anchor_flag = 1;
    load_view("2000");
    EXPECT_EQ(anchor_flag, 0);
    int changed = 0;
    for (int i = 1; i < STAR_COUNT; ++i) changed += target_stars[PLANE_XH][i] != 0x5A;
    EXPECT_GT(changed, STAR_COUNT / 2);
}

} // namespace
