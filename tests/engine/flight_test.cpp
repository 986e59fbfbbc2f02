#include "saver/engine/engine_state.h"
#include "saver/engine/flight.h"
#include "saver/engine/motion_functions.h"
#include "saver/engine/random.h"
#include "saver/engine/tables.h"
#include "saver/model/view.h"

#include "platform/gl_context.h"
#include "platform/window.h"

#include <GL/gl.h>
#include <climits>
#include <cmath>
#include <gtest/gtest.h>

namespace {

// Seed 1 draws 41, 18467, 6334, 26500, 19169, 15724: the first frame's q1 = -4055 (q1 >> 5 =
// -127) and q2 = -2013 (q2 >> 5 = -63).
constexpr uint32_t SEED = 1;

void reset_flight() {
    speed = yaw_rate = base_pitch = pitch = 0.0f;
    velocity_z = velocity_x = velocity_y = 0.0f;
    for (int& f : function_state) f = 0;
    follow_direction = 0;
    for (int i = 0; i < 3; ++i) {
        rotation_rate[i] = 1800;
        position_angle[i] = 0.0f;
    }
    backdrop_spin_angle = 0.0f;
    thrust_target = 0.0f;
    barsx1 = barsx3 = barsx = 0;
    track20g = track20m = track20f = track20f1 = 0;
    fsxx = fsyy = 0.0f;
    colormode = 0;
    track9z = track9zq = 0.0f;
    track4 = track5 = track6 = 1800;
    track1 = track2 = track3 = 0.0f;
    xtx1 = fsvx = fsvy = fsvz = 0.0f;
    spin = spin1 = spin2 = 0.0f;
    xcx = xcy = xcz = 0.0f;
    derive_glide_rates();
    build_sine_table();
    seed_random(SEED);
}

class Flight : public ::testing::Test {
  protected:
    void SetUp() override { reset_flight(); }
};

TEST_F(Flight, ThrustGlideZeroJumpsSpeedAndHalvesVelocityDistance) {
    thrust_target = 80.0f;
    xcx = 100.0f;
    xcy = -40.0f;
    xcz = 8.0f;
    flight_update();
    EXPECT_FLOAT_EQ(speed, 80.0f);
    EXPECT_FLOAT_EQ(velocity_z, 50.0f);
    EXPECT_FLOAT_EQ(velocity_x, -20.0f);
    EXPECT_FLOAT_EQ(velocity_y, 4.0f);
    flight_update();
    EXPECT_FLOAT_EQ(velocity_z, 75.0f);

    reset_flight();
    thrust_target = 80.0f;
    barsx1 = 1;
    track20g = 3;
    flight_update();
    EXPECT_FLOAT_EQ(speed, -20.0f) << "reverse thrust glides a quarter way toward -80";
}

TEST_F(Flight, DamagedGlideValuesStillArriveWithoutDividingByZero) {
    thrust_target = 30.0f;
    xcx = 10.0f;
    track20g = -2;
    track20m = -1;
    fsxx = 50.0f;
    flight_update();
    EXPECT_FLOAT_EQ(speed, 30.0f);
    EXPECT_FLOAT_EQ(velocity_z, 10.0f);
    EXPECT_FLOAT_EQ(yaw_rate, 50.0f);
}

TEST_F(Flight, SteeringGlidesAndTheHeadingWrapsOnceAtBothEnds) {
    fsxx = 300.0f;
    fsyy = 30.0f;
    track20m = 2;
    xtx1 = 399.5f;
    flight_update();
    EXPECT_FLOAT_EQ(yaw_rate, 100.0f);
    EXPECT_FLOAT_EQ(pitch, 10.0f);
    EXPECT_FLOAT_EQ(xtx1, 0.5f);

    reset_flight();
    xtx1 = 399.0f;
    fsxx = 200.0f;
    flight_update();
    EXPECT_FLOAT_EQ(xtx1, 1.0f);

    reset_flight();
    xtx1 = 0.5f;
    fsxx = -100.0f;
    flight_update();
    EXPECT_FLOAT_EQ(xtx1, 399.5f);
}

TEST_F(Flight, MotionAmountZeroLeavesPitchToSteeringAndDrawsNothing) {
    colormode = 3;
    track9zq = 500.0f;
    fsyy = 12.0f;
    xtx1 = 42.0f;
    function_state[0] = 77;
    flight_update();
    EXPECT_FLOAT_EQ(pitch, 12.0f);
    EXPECT_FLOAT_EQ(xtx1, 42.0f);
    EXPECT_EQ(function_state[0], 77);
    EXPECT_EQ(random_state, SEED) << "no random number may be drawn";
}

TEST_F(Flight, DirectionFollowsHeadingAndReverseViewMirrorsIt) {
    xtx1 = 50.0f; // an eighth of a turn
    fsyy = 10.0f;
    flight_update();
    EXPECT_NEAR(fsvx, 70.7107f, 1e-3);
    EXPECT_NEAR(fsvy, 70.7107f, 1e-3);
    EXPECT_FLOAT_EQ(fsvz, 10.0f);

    reset_flight();
    xtx1 = 50.0f;
    fsyy = 10.0f;
    barsx3 = 1;
    flight_update();
    EXPECT_NEAR(fsvx, -70.7107f, 1e-3);
    EXPECT_NEAR(fsvy, -70.7107f, 1e-3);
    EXPECT_FLOAT_EQ(pitch, -10.0f);
    EXPECT_FLOAT_EQ(fsvz, -10.0f);
    EXPECT_FLOAT_EQ(xtx1, 50.0f) << "the stored heading is not reversed";

    reset_flight();
    xtx1 = 300.0f; // reversed: 500 - 400 = 100, a quarter turn
    barsx3 = 1;
    flight_update();
    EXPECT_NEAR(fsvx, 0.0f, 1e-3);
    EXPECT_NEAR(fsvy, 100.0f, 1e-3);
}

TEST_F(Flight, VelocityTargetIsTheDirectionOnlyWhileFollowing) {
    xtx1 = 100.0f;
    xcx = 7.0f;
    xcy = 8.0f;
    xcz = 9.0f;
    flight_update();
    EXPECT_FLOAT_EQ(xcx, 7.0f);
    EXPECT_FLOAT_EQ(xcy, 8.0f);
    EXPECT_FLOAT_EQ(velocity_x, 4.0f);

    follow_direction = 1;
    fsyy = 6.0f;
    flight_update();
    EXPECT_NEAR(xcx, 0.0f, 1e-3);
    EXPECT_NEAR(xcy, 100.0f, 1e-3);
    EXPECT_FLOAT_EQ(xcz, 6.0f);
    EXPECT_FLOAT_EQ(velocity_x, 52.0f);
}

class MotionFunction : public ::testing::Test {
  protected:
    void SetUp() override { reset_flight(); }
    void run(int function, float amount, float function_speed) {
        colormode = function;
        track9z = amount;
        track9zq = function_speed;
        apply_motion_function();
    }
};

// First frame of each function with seed 1 (q1 = -4055, q2 = -2013), worked by hand.
struct FirstFrame {
    int function;
    float amount, function_speed;
    int state_before[4], state_after[4];
    float heading_change, pitch_change;
};
const FirstFrame FIRST_FRAMES[] = {
    // S 1000: sine index step 100, k 41, sine[100] = 76
    {0, 2000, 999, {0, 0, 0, 0}, {100, 0, 0, 0}, 0.3116f, 5.066667f},
    // 8150 + 100 wraps to 58, sine[58] = 44
    {1, 2000, 999, {8150, 0, 0, 0}, {58, 0, 0, 0}, 0.044f, 0},
    // a walk state left by function 8 reduces to 7344 before indexing; sine[7444] = -542
    {2, 2000, 999, {-50000, 0, 0, 0}, {7444, 0, 0, 0}, 0, -72.26667f},
    // q1 >> 5 = -127 and q2 >> 5 = -63 (arithmetic shift, not -126 and -62)
    {3, 1000, 99, {0, 0, 0, 0}, {0, 0, 0, 0}, -12.7f, -0.315f},
    {4, 2000, 0, {0, 0, 0, 0}, {-4055, 0, -2013, 0}, 0, 0},
    {5, 2500, 0, {0, 0, 0, 0}, {0, 0, 0, 0}, 2.5f, 0},
    // S 61: a = 10, u = 80; a = 2, v = 16; 1500 * 16 * 61 / 50000000
    {6, 1500, 60, {11, 0, 610, 122}, {11, 0, -1413, 200}, 0, 0.02928f},
    // S2 4: a = 1600, u = 12800; a = 100, v = 800; (1500 * 800 / 3000) / 100000
    {7, 1500, 60, {0, 0, 6400, 400}, {0, 0, 2787, 13100}, 0.004f, 0},
    // both walks from the same q2
    {8, 1500, 60, {610, 122, 6400, 400}, {-1413, 200, 2787, 13100}, 0.004f, 0.02928f},
};

TEST_F(MotionFunction, FirstFrameOfEveryFunction) {
    for (const FirstFrame& c : FIRST_FRAMES) {
        SCOPED_TRACE(c.function);
        reset_flight();
        for (int i = 0; i < 4; ++i) function_state[i] = c.state_before[i];
        xtx1 = 100.0f;
        base_pitch = 1.0f;
        run(c.function, c.amount, c.function_speed);
        for (int i = 0; i < 4; ++i) EXPECT_EQ(function_state[i], c.state_after[i]) << "F" << i + 1;
        EXPECT_NEAR(xtx1 - 100.0f, c.heading_change, 2e-5);
        EXPECT_NEAR(pitch - 1.0f, c.pitch_change, 2e-5);
        EXPECT_NE(random_state, SEED) << "both numbers are drawn for every function";
    }
}

TEST_F(MotionFunction, RandomBothTruncatesNegativeWalkStates) {
    run(4, 2000.0f, 0.0f);
    run(4, 2000.0f, 0.0f); // q1 2238, q2 -2172
    EXPECT_EQ(function_state[0], -1707);
    EXPECT_EQ(function_state[1], -41);
    EXPECT_EQ(function_state[2], -4180);
    EXPECT_EQ(function_state[3], -39);
    run(4, 2000.0f, 0.0f); // q1 -1311, q2 3436
    EXPECT_EQ(function_state[0], -2971);
    EXPECT_EQ(function_state[1], -57);
    EXPECT_EQ(function_state[2], -733);
    EXPECT_EQ(function_state[3], -120);
    EXPECT_NEAR(xtx1, -0.000831081f, 1e-6);
    EXPECT_NEAR(pitch, -0.01518248f, 1e-6);
}

TEST_F(MotionFunction, DamagedParametersStayFiniteAndInTheTable) {
    base_pitch = 1.5f;
    run(42, 1000.0f, 10.0f);
    EXPECT_FLOAT_EQ(pitch, 1.5f);

    function_state[2] = 500;
    run(6, 1000.0f, -1.0f); // S 0
    EXPECT_TRUE(std::isfinite(pitch));

    function_state[0] = INT_MAX;
    run(0, 1000.0f, 1.0e30f);
    EXPECT_GE(function_state[0], 0);
    EXPECT_LT(function_state[0], SINE_TABLE_SIZE);
    EXPECT_TRUE(std::isfinite(xtx1));
}

TEST(Walk, TruncatesTowardZeroAndScalesTheShare) {
    int state = 100;
    EXPECT_NEAR(walk(state, 5.0f, 3, 8), 33.33333f, 1e-4);
    EXPECT_EQ(state, 71);

    state = -100;
    EXPECT_NEAR(walk(state, 5.0f, 3, 8), -33.33333f, 1e-4);
    EXPECT_EQ(state, -61);

    state = 80;
    EXPECT_FLOAT_EQ(walk(state, 0.5f, 8, 3), 3.75f);
    EXPECT_EQ(state, 70);

    state = 50;
    EXPECT_FLOAT_EQ(walk(state, 1.0f, 0, 8), 50.0f) << "a divisor below 1 counts as 1";
    EXPECT_EQ(state, 1);
}

TEST(SineIndex, WrapsEveryIntegerIntoTheTable) {
    EXPECT_EQ(wrap_sine_index(0), 0);
    EXPECT_EQ(wrap_sine_index(8191), 8191);
    EXPECT_EQ(wrap_sine_index(8192), 0);
    EXPECT_EQ(wrap_sine_index(8250), 58);
    EXPECT_EQ(wrap_sine_index(-1), 8191);
    EXPECT_EQ(wrap_sine_index(-50000), 7344);
    int lowest = wrap_sine_index(INT_MIN);
    EXPECT_TRUE(lowest >= 0 && lowest < SINE_TABLE_SIZE);
}

class Rotation : public ::testing::Test {
  protected:
    void SetUp() override { reset_flight(); }
};

TEST_F(Rotation, GlideRatesFollowTheRotationGlideSlider) {
    track20f = 500;
    track20f1 = 47;
    derive_glide_rates();
    EXPECT_FLOAT_EQ(rotation_glide_step, 501.0f);
    EXPECT_NEAR(position_glide_step, 2.843764f, 1e-5); // (501^2 + 1) / 88264
    EXPECT_FLOAT_EQ(log_glide_value, 7.84375f);
    EXPECT_FLOAT_EQ(tail_glide_step, 1.0f);
}

TEST_F(Rotation, RatesMoveByTheTruncatedStepAndStopAtTheTarget) {
    rotation_glide_step = 10.7f;
    track6 = 1825;
    track5 = 1795;
    rotation_update();
    EXPECT_EQ(rotation_rate[2], 1810);
    EXPECT_EQ(rotation_rate[1], 1795);
    EXPECT_EQ(rotation_rate[0], 1800);
    rotation_update();
    rotation_update();
    EXPECT_EQ(rotation_rate[2], 1825);
    rotation_update();
    EXPECT_EQ(rotation_rate[2], 1825);
}

TEST_F(Rotation, RatesAtNoSpinKeepTheAngles) {
    spin = 12.5f;
    spin1 = 200.0f;
    spin2 = 359.0f;
    for (int frame = 0; frame < 10; ++frame) rotation_update();
    EXPECT_FLOAT_EQ(spin, 12.5f);
    EXPECT_FLOAT_EQ(spin1, 200.0f);
    EXPECT_FLOAT_EQ(spin2, 359.0f);
}

TEST_F(Rotation, InstantGlideJumpsAndSpinsWrapOnce) {
    track20f = 990;
    track6 = 2250;  // +1 degree per frame on `spin`
    track5 = 1350;  // -1 on `spin1`
    track4 = 3600;  // +4 on `spin2`
    track1 = 10.0f; // position X
    track2 = 20.0f;
    track3 = 30.0f;
    spin = 359.5f;
    spin1 = 0.5f;
    spin2 = 100.0f;
    rotation_update();
    EXPECT_EQ(rotation_rate[2], 2250);
    EXPECT_EQ(rotation_rate[1], 1350);
    EXPECT_EQ(rotation_rate[0], 3600);
    EXPECT_FLOAT_EQ(position_angle[0], 10.0f);
    EXPECT_FLOAT_EQ(position_angle[1], 20.0f);
    EXPECT_FLOAT_EQ(position_angle[2], 30.0f);
    EXPECT_FLOAT_EQ(spin, 0.5f);
    EXPECT_FLOAT_EQ(spin1, 359.5f);
    EXPECT_FLOAT_EQ(spin2, 104.0f);
}

TEST_F(Rotation, LinearPositionGlideArrivesExactlyWithoutPassing) {
    track20f = 500;
    derive_glide_rates();
    track1 = 100.0f;
    track3 = 0.0f;
    position_angle[2] = 50.0f;
    int frames = 0;
    while (position_angle[0] != 100.0f && frames < 100) {
        float before = position_angle[0];
        rotation_update();
        ++frames;
        ASSERT_LE(position_angle[0], 100.0f);
        ASSERT_GT(position_angle[0], before);
    }
    EXPECT_EQ(frames, 36); // 100 / 2.8438 = 35.2 steps
    EXPECT_FLOAT_EQ(position_angle[2], 0.0f) << "50 / 2.8438 frames back to 0";
}

TEST_F(Rotation, LogPositionGlideCoversAShareAndStillArrives) {
    track20f = 500;
    derive_glide_rates();
    barsx = 1;
    track2 = 100.0f;
    rotation_update();
    EXPECT_NEAR(position_angle[1], 100.0f / 471.1448f, 1e-4); // k = (15.625 - 7.84375)^3

    reset_flight(); // slowest glide: k = 3792
    barsx = 1;
    track1 = 360.0f;
    position_angle[2] = 300.0f;
    int frames = 0;
    while ((position_angle[0] != 360.0f || position_angle[2] != 0.0f) && frames < 1000000) {
        rotation_update();
        ++frames;
        ASSERT_LE(position_angle[0], 360.0f);
        ASSERT_GE(position_angle[2], 0.0f);
    }
    EXPECT_FLOAT_EQ(position_angle[0], 360.0f);
    EXPECT_FLOAT_EQ(position_angle[2], 0.0f);
}

TEST_F(Rotation, LogGlideWithoutAPositiveDivisorArrivesAtOnce) {
    barsx = 1;
    log_glide_value = 16.0f; // k < 0 would push away from the target
    track1 = 90.0f;
    rotation_update();
    EXPECT_FLOAT_EQ(position_angle[0], 90.0f);
}

// A GL context of the headless backend, for reading back the model-view matrix.
class Camera : public ::testing::Test {
  protected:
    void SetUp() override {
        reset_flight();
        register_class("flight_camera_test",
                       [](Hwnd, unsigned, Wparam, Lparam) -> Lresult { return 0; });
        window = create_window("flight_camera_test", "", 0, 0, 0, 16, 16, nullptr);
        if (!window || !gl_choose_pixel_format(window) || !gl_create_context(window))
            GTEST_SKIP() << "no headless GL context";
    }
    void TearDown() override {
        if (window) destroy_window(window);
    }
    // Where the camera puts a point of drawing space, in eye coordinates.
    void eye_of(float x, float y, float z, float* eye) {
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        apply_camera();
        float m[16];
        glGetFloatv(GL_MODELVIEW_MATRIX, m);
        for (int row = 0; row < 3; ++row)
            eye[row] = m[row] * x + m[4 + row] * y + m[8 + row] * z + m[12 + row];
    }
    Hwnd window = nullptr;
};

TEST_F(Camera, LooksAlongTheDirectionWithDrawingAxesSwapped) {
    float eye[3];
    fsvx = 100.0f; // heading 0: along the star Z axis, drawing x
    eye_of(10000.0f, 0.0f, 0.0f, eye);
    EXPECT_NEAR(eye[0], 0.0f, 1e-5);
    EXPECT_NEAR(eye[1], 0.0f, 1e-5);
    EXPECT_NEAR(eye[2], -1.0f, 1e-5) << "scaled by 0.0001 and straight ahead";

    fsvx = 0.0f;
    fsvy = 100.0f; // a quarter turn: along the star X axis, drawing z
    eye_of(0.0f, 0.0f, 10000.0f, eye);
    EXPECT_NEAR(eye[2], -1.0f, 1e-5);
}

TEST_F(Camera, PositionYAt360TurnsTheBackdropInsteadOfTheStars) {
    float straight[3], turned[3];
    fsvx = 100.0f;
    eye_of(0.0f, 0.0f, 10000.0f, straight);

    spin1 = 60.0f;
    position_angle[1] = 30.0f;
    track2 = 359.0f;
    eye_of(0.0f, 0.0f, 10000.0f, turned);
    EXPECT_GT(std::fabs(turned[2] - straight[2]), 0.5f);
    EXPECT_FLOAT_EQ(backdrop_spin_angle, 0.0f);

    track2 = 360.0f;
    eye_of(0.0f, 0.0f, 10000.0f, turned);
    for (int axis = 0; axis < 3; ++axis) EXPECT_NEAR(turned[axis], straight[axis], 1e-5);
    EXPECT_FLOAT_EQ(backdrop_spin_angle, 90.0f);
}

} // namespace
