#include "tests/shell/control_window_fixture.h"

#include "platform/message_box.h"
#include "platform/profile.h"
#include "saver/engine/commands.h"
#include "saver/engine/random.h"
#include "saver/resources/status_template.h"

#include <cstring>

namespace {

using ControlWindowInit = ControlWindowTest;

TEST_F(ControlWindowInit, EverySliderTakesItsRangeAndItsLiveValue) {
    track1 = 123.9f; // reals are truncated toward zero
    open();
    for (const SliderParam& p : slider_params()) {
        const int expected = p.real_value ? static_cast<int>(*p.real_value) : p.sample;
        EXPECT_EQ(trackbar_get_pos(dialog, p.id), expected) << p.key;
    }
    for (const SliderParam& p : slider_params()) {
        trackbar_set_pos(dialog, p.id, 1000000);
        EXPECT_EQ(trackbar_get_pos(dialog, p.id), p.maximum) << p.key;
        trackbar_set_pos(dialog, p.id, -5);
        EXPECT_EQ(trackbar_get_pos(dialog, p.id), 0) << p.key;
    }
    trackbar_set_pos(dialog, 1111, 5000);
    EXPECT_EQ(trackbar_get_pos(dialog, 1111), 1000);
}

TEST_F(ControlWindowInit, ThrustStartsAtRestUntilAViewSetsIt) {
    vista = 400;
    projection_dirty = 0;
    open();
    EXPECT_EQ(projection_dirty, 1);
    EXPECT_EQ(get_dlg_item_text(dialog, 3079), "O");
    EXPECT_EQ(trackbar_get_pos(dialog, 1111), 0);
    EXPECT_EQ(vista, 1000);
    EXPECT_EQ(thrust_target, 1000.0f);
    // The initial read-back leaves every in-range value as it was.
    for (const SliderParam& p : slider_params())
        EXPECT_EQ(param_value(p), static_cast<float>(p.sample)) << p.key;
}

TEST_F(ControlWindowInit, CycleTimerKeepsANegativeSettingThroughTheReadBack) {
    write_private_profile_string("data", "timer", "65531", SETTINGS_FILE);
    open();
    EXPECT_EQ(updown_get_pos(dialog, 1016), -5);
    EXPECT_EQ(cycle_timer, 65531);
    write_private_profile_string("data", "timer", nullptr, SETTINGS_FILE);
}

using ControlReadBack = ControlWindowTest;

TEST_F(ControlReadBack, AnOutOfRangeViewValueBecomesTheClampedOneAtTheNextSliderMove) {
    open();
    track7 = 1200;
    clamped_scale = 1000;
    show_view_in_controls();
    EXPECT_EQ(track7, 1200) << "the load alone keeps the stored value";
    move_slider(1108, 60);
    EXPECT_EQ(fov, 60);
    EXPECT_EQ(track7, 1010);
    EXPECT_EQ(clamped_scale, 1000);
    move_slider(306, 999);
    EXPECT_EQ(clamped_scale, 999);
}

TEST_F(ControlReadBack, DerivedValuesFollowTheirSliders) {
    open();
    move_slider(1111, 250);
    EXPECT_EQ(vista, 750);
    EXPECT_EQ(thrust_target, 750.0f);
    move_slider(307, 1500);
    EXPECT_EQ(track8, 1500);
    EXPECT_FLOAT_EQ(size_factor, 1.5f);
    move_slider(1109, 77);
    EXPECT_EQ(digitsize, 77.0f);
    move_slider(315, 2400);
    EXPECT_EQ(track9z, 2400.0f);
    headless_spin(dialog, 1016, -20);
    EXPECT_EQ(cycle_timer, 65516) << "a negative time is held as its 16-bit pattern";
    headless_spin(dialog, 1016, 35);
    EXPECT_EQ(cycle_timer, 35);
}

TEST_F(ControlReadBack, PixelSizeNeverFallsBelowTheDisplayMinimum) {
    backresolution2x = 5;
    open();
    move_slider(3136, 2);
    EXPECT_EQ(track20h, 2);
    EXPECT_EQ(pixel_point_size, 6);
    move_slider(3136, 9);
    EXPECT_EQ(pixel_point_size, 10);
    backresolution2x = 0;
    move_slider(3136, 0);
    EXPECT_EQ(pixel_point_size, 1);
}

using ControlButtons = ControlWindowTest;

TEST_F(ControlButtons, CheckBoxesAndRadioButtonsActAtOnce) {
    open();
    mettype = 0;
    click(1082);
    EXPECT_EQ(mettype, 1);
    click(1082);
    EXPECT_EQ(mettype, 0);
    click(1114);
    EXPECT_EQ(triang, -1) << "meteor size 1";
    click(1117);
    EXPECT_EQ(triang, 2);
    click(1126);
    EXPECT_EQ(balls, 1) << "type D";
    click(1127);
    EXPECT_EQ(balls, 2) << "type B";
    click(3092);
    EXPECT_EQ(plot, 0);
    click(1093);
    EXPECT_EQ(plot, 1);
    click(1120);
    EXPECT_EQ(sphere2, 2);
    click(1112);
    EXPECT_EQ(sphere1, 1);
    click(418);
    EXPECT_EQ(colormode, 8);
}

TEST_F(ControlButtons, GeneratorModeButtonsNameTheModeInTheStatusText) {
    open();
    const char* names[] = {"Random", "Planar", "Sine",  "Sphere", "Galaxy",
                           "Tube",   "Rings",  "Shell", "Sine T"};
    for (int mode = 8; mode >= 0; --mode) {
        click(510 + mode);
        EXPECT_EQ(xcolormode, mode);
        EXPECT_EQ(get_dlg_item_text(dialog, 1017), names[mode]);
    }
}

TEST_F(ControlButtons, ViewButtonPostsItsCommandAndStopsPlaybackAtOnce) {
    open();
    recording_state = RECORDING_PLAYBACK;
    click(1004);
    EXPECT_EQ(recording_state, RECORDING_IDLE);
    recording_state = RECORDING_ACTIVE;
    click(1159);
    EXPECT_EQ(recording_state, RECORDING_ACTIVE) << "a recording goes on through View changes";
    click(1010);
    click(3006);
    EXPECT_EQ(posted_commands(), (std::vector<int>{40125, 40122, 40129, 40127}));
}

TEST_F(ControlButtons, ToolbarButtonsPostTheirCommands) {
    open();
    recording_state = RECORDING_PLAYBACK;
    for (int id : {1011, 1207, 1208, 40134, 1084, 1206}) click(id);
    EXPECT_EQ(posted_commands(), (std::vector<int>{40130, 40133, 40038, 40134, 40135, 40111}));
    EXPECT_EQ(recording_state, RECORDING_PLAYBACK) << "Play does not stop the playback itself";
}

TEST_F(ControlButtons, SetupButtonIsSetupMode) {
    open();
    click(3196);
    EXPECT_EQ(setup_mode, 1);
    EXPECT_TRUE(posted_commands().empty());
    click(3196);
    EXPECT_EQ(setup_mode, 0);
}

TEST_F(ControlButtons, ZAndRResetHeadingAndMouse) {
    open();
    fsxx = 12.0f;
    fsyy = -7.0f;
    xtx1 = 3.5f;
    click(1161);
    EXPECT_EQ(fsyy, 0.0f);
    EXPECT_EQ(xtx1, 0.0f);
    EXPECT_EQ(fsxx, 12.0f);
    click(1160);
    EXPECT_EQ(fsxx, 0.0f);
}

TEST_F(ControlButtons, StopSpinKeepsTheAnglesAndResetClearsThem) {
    open();
    spin = 40.0f;
    spin1 = 50.0f;
    spin2 = 60.0f;
    rotation_rate[0] = rotation_rate[1] = rotation_rate[2] = 2500;
    click(1000);
    EXPECT_EQ(track4, 1800);
    EXPECT_EQ(track5, 1800);
    EXPECT_EQ(track6, 1800);
    EXPECT_EQ(trackbar_get_pos(dialog, 304), 1800);
    EXPECT_EQ(spin, 40.0f);
    EXPECT_EQ(rotation_rate[0], 2500) << "the spin glides to rest";

    move_slider(303, 100);
    click(1145);
    EXPECT_EQ(track4, 1800);
    EXPECT_EQ(spin, 0.0f);
    EXPECT_EQ(spin1, 0.0f);
    EXPECT_EQ(spin2, 0.0f);
    for (int rate : rotation_rate) EXPECT_EQ(rate, 1800);
}

TEST_F(ControlButtons, GenerateInAFlyBackdropModeKeepsStarZero) {
    open();
    xcolormode = 0;
    uint8_t star0[PLANE_COUNT];
    for (int plane = 0; plane < PLANE_COUNT; ++plane) {
        target_stars[plane][0] = static_cast<uint8_t>(17 * plane + 3);
        star0[plane] = target_stars[plane][0];
    }
    for (int fly_mode : {3, 4}) {
        balls1 = fly_mode;
        seed_random(99);
        click(1001);
        for (int plane = 0; plane < PLANE_COUNT; ++plane)
            EXPECT_EQ(target_stars[plane][0], star0[plane]) << fly_mode << " plane " << plane;
        EXPECT_EQ(anchor_flag, 0);
    }

    balls1 = 0;
    seed_random(99);
    click(1001);
    bool moved = false;
    for (int plane = 0; plane < PLANE_COUNT; ++plane)
        moved = moved || target_stars[plane][0] != star0[plane];
    EXPECT_TRUE(moved) << "outside the Fly modes star 0 is part of the new pattern";
}

TEST_F(ControlButtons, ExpandAndContractSwitchBetweenToolbarAndWholePanel) {
    open();
    const WindowSize contracted = control_window_size(dialog, 0);
    const WindowSize whole = control_window_size(dialog, 1);
    const Rect panel = map_dialog_rect(dialog, {0, 0, 535, 174});
    EXPECT_EQ(whole.width, rect_width(panel));
    EXPECT_EQ(whole.height, rect_height(panel));
    EXPECT_LT(contracted.height, whole.height / 4);
    EXPECT_LE(contracted.width, whole.width);
    EXPECT_EQ(expanded, 0);

    set_window_pos(dialog, HWND_TOP, 40, 50, contracted.width, contracted.height, SWP_NOZORDER);
    click(3079);
    Rect rect = get_window_rect(dialog);
    EXPECT_EQ(expanded, 1);
    EXPECT_EQ(rect_width(rect), whole.width);
    EXPECT_EQ(rect_height(rect), whole.height);
    EXPECT_EQ(rect.left, 40);
    EXPECT_EQ(rect.top, 50);
    EXPECT_EQ(get_dlg_item_text(dialog, 3079), "X");

    click(3079);
    rect = get_window_rect(dialog);
    EXPECT_EQ(expanded, 0);
    EXPECT_EQ(rect_height(rect), contracted.height);
    EXPECT_EQ(get_dlg_item_text(dialog, 3079), "O");
}

TEST_F(ControlButtons, EveryToolbarControlFitsTheContractedWindow) {
    open();
    const WindowSize contracted = control_window_size(dialog, 0);
    for (int id : {3079, 1207, 911, 1023, 1187, 1019, 1016, 1011, 1208, 1161, 1160, 40134, 1206}) {
        const ControlTemplate* control = find_status_control(id);
        ASSERT_NE(control, nullptr) << id;
        const Rect pixels =
            map_dialog_rect(dialog, {control->x, control->y, control->x + control->width,
                                     control->y + control->height});
        EXPECT_LE(pixels.right, contracted.width) << id;
        EXPECT_LE(pixels.bottom, contracted.height) << id;
    }
}

using ControlWindowClose = ControlWindowTest;

TEST_F(ControlWindowClose, EnterStoresThePositionAndCloses) {
    open();
    send_message(dialog, WM_CLOSE, 0, 0);
    ASSERT_TRUE(is_window(dialog)) << "there is no other way to close it";
    set_window_pos(dialog, HWND_TOP, 123, 45, 300, 40, SWP_NOZORDER);
    click(3196);
    ASSERT_EQ(setup_mode, 1);
    set_dlg_item_focus(dialog, 300);
    headless_press_enter(dialog);
    EXPECT_FALSE(is_window(dialog));
    EXPECT_EQ(control_window, nullptr);
    EXPECT_EQ(setup_mode, 0);
    EXPECT_EQ(get_private_profile_int("Items", "vectx", -1, module_work_file), 123);
    EXPECT_EQ(get_private_profile_int("Items", "vecty", -1, module_work_file), 45);
}

TEST_F(ControlWindowClose, WithoutAModuleEnterClosesWithoutWritingAnywhere) {
    open();
    module_work_file[0] = '\0';
    EXPECT_EQ(send_message(dialog, WM_COMMAND, IDOK, 0), 0);
    EXPECT_FALSE(is_window(dialog));
    EXPECT_EQ(get_private_profile_int("Items", "vectx", -1, SETTINGS_FILE), -1);
}

} // namespace
