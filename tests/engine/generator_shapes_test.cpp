// The shape and reach of every pattern, as the sliders and AUX set them.
#include <cstdlib>
#include <set>

#include "tests/engine/generator_fixture.h"

namespace {

double mean_xy_offset(int from, int to) {
    double sum = 0;
    for (int i = from; i < to; ++i) {
        const StarPos s = target_star(i);
        sum += std::hypot(from_centre(s.x), from_centre(s.y));
    }
    return sum / (to - from);
}

// Planar ------------------------------------------------------------------------------------

TEST_F(GeneratorTest, PlanarWithEverySliderAtZeroIsOneLineAtTheFrontFace) {
    track20k = track20l = track20e = 0;
    fsdx = fsdy = fsdz = 3.5f;
    run(GEN_PLANAR);
    for (int i = 0; i < STAR_COUNT; ++i) {
        const StarPos s = target_star(i);
        ASSERT_EQ(s.x, 32768) << i;
        ASSERT_EQ(s.y, 32768) << i;
        ASSERT_EQ(s.z, 0) << i;
    }
    EXPECT_EQ(fsdx, 0.0f);
    EXPECT_EQ(fsdy, 0.0f);
    EXPECT_EQ(fsdz, 0.0f);
}

TEST_F(GeneratorTest, PlanarSlidersBoundTheHighBytes) {
    track20e = 128; // X: everything
    track20k = 10;  // Y: 118..138
    track20l = 1;   // Z: 127..129
    run(GEN_PLANAR);
    std::set<int> x_high, y_high, z_high;
    for (int i = 0; i < STAR_COUNT; ++i) {
        x_high.insert(target_stars[PLANE_XH][i]);
        y_high.insert(target_stars[PLANE_YH][i]);
        z_high.insert(target_stars[PLANE_ZH][i]);
    }
    EXPECT_EQ(x_high.size(), 256u);
    EXPECT_EQ(*y_high.begin(), 118);
    EXPECT_EQ(*y_high.rbegin(), 138);
    EXPECT_EQ(y_high.size(), 21u);
    EXPECT_EQ(z_high, (std::set<int>{127, 128, 129}));
}

TEST_F(GeneratorTest, CorkscrewRunsAlongZInSmallStepsAroundTheAxis) {
    tracking = 1;
    track20k = 64;
    track20l = 64;
    track20e = 64; // both divisors 0.5: |p|, |q| <= 4
    run(GEN_PLANAR);
    const int reach = 4 * 128 * 40 / 12 + 1;
    int restarts = 0;
    for (int i = 0; i < STAR_COUNT; ++i) {
        const StarPos s = target_star(i);
        ASSERT_LE(std::abs(from_centre(s.x)), reach) << i;
        ASSERT_LE(std::abs(from_centre(s.y)), reach) << i;
        if (s.z == 32767) ++restarts; // the phase ran past the last Z and began again at 0
        if (i > 0) {
            ASSERT_LE((s.z - target_star(i - 1).z) & 0xFFFF, 255) << i;
        }
    }
    // 32000 steps of 127.5 on average cover the 65536 range about 62 times.
    EXPECT_GT(restarts, 40);
    EXPECT_LT(restarts, 90);
}

TEST_F(GeneratorTest, CorkscrewSqueezesMeteorsTowardsTheAxis) {
    tracking = 1;
    bars = 1;
    meteor_count = 16000;
    run(GEN_PLANAR);
    EXPECT_LT(mean_xy_offset(0, 16000), 0.75 * mean_xy_offset(16000, STAR_COUNT));
}

// Sine and Sine T -------------------------------------------------------------------------

TEST_F(GeneratorTest, SineSweepsEachAxisWithinItsSliderAmplitude) {
    track20l = 64;
    track20k = 32;
    track20e = 96;
    fsdz = 2.0f;
    run(GEN_SINE);
    for (int i = 0; i < STAR_COUNT; i += 2) {
        const StarPos s = target_star(i);
        ASSERT_LE(std::abs(from_centre(s.x)), 32765 * 64 / 128 + 1) << i;
        ASSERT_LE(std::abs(from_centre(s.z)), 32765 * 32 / 128 + 1) << i;
        ASSERT_LE(std::abs(from_centre(s.y)), 32765 * 96 / 128 + 1) << i;
        if (i == 0) continue;
        // A smooth sweep: a phase step is at most 0.05 radians per pair.
        const StarPos before = target_star(i - 2);
        ASSERT_LE(std::abs(s.x - before.x), 16383 * 0.05 + 2) << i;
        ASSERT_LE(std::abs(s.y - before.y), 24574 * 0.05 + 2) << i;
    }
    EXPECT_EQ(fsdz, 0.0f);
}

TEST_F(GeneratorTest, SineAxesEachFollowTheirOwnSlider) {
    track20l = 0;   // X
    track20k = 128; // Z
    track20e = 0;   // Y
    run(GEN_SINE);
    int widest_z = 0;
    for (int i = 0; i < STAR_COUNT; i += 2) {
        const StarPos s = target_star(i);
        ASSERT_EQ(s.x, 32767) << i;
        ASSERT_EQ(s.y, 32767) << i;
        widest_z = std::max(widest_z, std::abs(from_centre(s.z)));
    }
    EXPECT_GT(widest_z, 1000);
}

TEST_F(GeneratorTest, SineWithAuxLaysTwoSheetsAndScattersMeteorsBetween) {
    tracking = 1;
    track20e = 50;
    bars = 1;
    meteor_count = 1000;
    run(GEN_SINE);
    const int sheet = 50 * 60 + 32767;
    bool scattered = false;
    for (int i = 0; i < STAR_COUNT; i += 2) {
        const int y = target_star(i).y;
        if (i < 1000) {
            ASSERT_GE(y, 32767) << i;
            ASSERT_LE(y, sheet) << i;
            scattered = scattered || (y != 32767 && y != sheet);
        } else {
            ASSERT_EQ(y, sheet) << i;
        }
    }
    EXPECT_TRUE(scattered);
}

TEST_F(GeneratorTest, SineTIgnoresSlidersOneAndTwoAndHalvesTheYDivisor) {
    track20k = track20l = 0;
    track20e = 32;
    run(GEN_SINE_T, 5u);
    int widest_x = 0;
    for (int i = 0; i < STAR_COUNT; i += 2) {
        const StarPos s = target_star(i);
        ASSERT_LE(std::abs(from_centre(s.x)), 32765) << i;
        ASSERT_LE(std::abs(from_centre(s.y)), 32765 * 32 / 64 + 1) << i;
        widest_x = std::max(widest_x, std::abs(from_centre(s.x)));
    }
    EXPECT_GT(widest_x, 1000); // the sliders at 0 would have kept X on the centre
}

// Sphere ---------------------------------------------------------------------------------

TEST_F(GeneratorTest, SphereFillsABallOfTheThirdSlidersRadius) {
    track20e = 84; // radius 16383 * 84 / 42 = 32766
    run(GEN_SPHERE);
    const double bound = 16383.0 * 84 / 42;
    double widest = 0, sum = 0;
    for (int i = 0; i < STAR_COUNT; ++i) {
        const double r = radius_xyz(target_star(i));
        ASSERT_LE(r, bound + 2) << i;
        widest = std::max(widest, r);
        sum += r;
    }
    EXPECT_GT(widest, 0.97 * bound);
    // A uniform ball has its mean radius at three quarters of the bound.
    EXPECT_NEAR(sum / STAR_COUNT, 0.75 * bound, 0.03 * bound);
}

TEST_F(GeneratorTest, SphereWithAuxGathersStarsTowardsTheCentre) {
    track20e = 20;
    run(GEN_SPHERE);
    double plain = 0;
    for (int i = 0; i < STAR_COUNT; ++i) plain += radius_xyz(target_star(i));
    tracking = 1;
    run(GEN_SPHERE);
    double weighted = 0;
    for (int i = 0; i < STAR_COUNT; ++i) {
        const double r = radius_xyz(target_star(i));
        ASSERT_LE(r, 16383.0 * 1.68 * 20 / 42 + 2) << i;
        weighted += r;
    }
    EXPECT_LT(weighted, 0.7 * plain);
}

// Galaxy ---------------------------------------------------------------------------------

TEST_F(GeneratorTest, GalaxyIsAFlatSpiralWhenTheCloudIsThin) {
    track20k = 64;
    track20l = 0; // no height
    track20e = 0; // cloud of at most 25 units
    run(GEN_GALAXY);
    double widest = 0;
    int widest_x = 0;
    int restarts = 0;
    double previous = 0;
    for (int i = 0; i < STAR_COUNT; i += 2) {
        const StarPos s = target_star(i);
        ASSERT_EQ(s.y, 32767) << i;
        ASSERT_EQ(target_star(i + 1).y, 32769) << i;
        const double r = radius_xz(s);
        ASSERT_LE(r, (6192 * 1.4143 + 7 + 36) * 40 / 12) << i;
        widest = std::max(widest, r);
        widest_x = std::max(widest_x, std::abs(from_centre(s.x)));
        if (r < previous - 1000) ++restarts;
        previous = r;
    }
    EXPECT_GT(widest, 6100.0 * 40 / 12);
    EXPECT_GT(widest_x, 3000 * 40 / 12); // the arm turns, it does not run straight along Z
    EXPECT_GT(restarts, 5);              // the arm reaches the rim and starts again
}

TEST_F(GeneratorTest, GalaxyCloudHeightFollowsTheSecondSlider) {
    track20l = 24;
    track20e = 64;
    run(GEN_GALAXY);
    int highest = 0;
    for (int i = 0; i < STAR_COUNT; i += 2) {
        const int dy = std::abs(from_centre(target_star(i).y));
        ASSERT_LE(dy, 2047 * 65 / 80 * 24 / 12 + 1) << i;
        highest = std::max(highest, dy);
    }
    EXPECT_GT(highest, 2047 * 65 / 80 * 24 / 12 * 3 / 4);
}

// Tube -----------------------------------------------------------------------------------

TEST_F(GeneratorTest, TubeWithoutAuxIsOneRadiusAroundTheZAxis) {
    track20e = 64;
    run(GEN_TUBE);
    const double radius = 64.0 * 64 * 40 / 12;
    std::set<int> z_steps;
    for (int i = 0; i < STAR_COUNT; ++i) {
        const StarPos s = target_star(i);
        ASSERT_NEAR(std::hypot(from_centre(s.x), from_centre(s.y)), radius, 8.0) << i;
        if (i > 0) z_steps.insert((s.z - target_star(i - 1).z) & 0xFFFF);
    }
    // Z advances by the same step each star, give or take the truncation of 40 / 12.
    ASSERT_LE(z_steps.size(), 2u);
    EXPECT_LE(*z_steps.rbegin() - *z_steps.begin(), 1);
}

TEST_F(GeneratorTest, TubeTakesItsStepsFromTheFirstDraws) {
    track20e = 30;
    run(GEN_TUBE, 2718u);
    ReferenceStream stream{2718u};
    const int step1 = (stream.next() & 127) + 1;
    const int z_step = (stream.next() & 127) + 1;
    // Star 0 sits at angle 0, straight above the axis; star 1 one angle step further round.
    EXPECT_EQ(target_star(0).x, 32767);
    EXPECT_EQ(target_star(0).y, 900 * 40 / 12 + 32767);
    EXPECT_EQ(target_star(0).z, z_step * 40 / 12 + 32767);
    EXPECT_NEAR(target_star(1).x, 900 * std::sin(step1) * 40 / 12 + 32767, 4.0);
    EXPECT_EQ(target_star(1).z, 2 * z_step * 40 / 12 + 32767);
}

TEST_F(GeneratorTest, TubeWithAuxWindsWithinTwiceItsRadiusAndSqueezesMeteors) {
    tracking = 1;
    track20e = 64;
    bars = 1;
    meteor_count = 16000;
    run(GEN_TUBE);
    const double outer = 2.0 * 64 * 64 * 40 / 12 + 4;
    for (int i = 0; i < STAR_COUNT; ++i) {
        const StarPos s = target_star(i);
        ASSERT_LE(std::hypot(from_centre(s.x), from_centre(s.y)), outer) << i;
    }
    EXPECT_LT(mean_xy_offset(0, 16000), 0.75 * mean_xy_offset(16000, STAR_COUNT));
}

// Rings ----------------------------------------------------------------------------------

TEST_F(GeneratorTest, RingsLieFlatBetweenTheInnerAndOuterRadius) {
    for (int aux = 0; aux <= 1; ++aux) {
        SCOPED_TRACE(aux ? "AUX" : "plain");
        tracking = aux;
        track20k = 64;
        track20l = 16;
        track20e = 64;
        run(GEN_RINGS);
        const double inner = (16 * 100 + 7) * 40.0 / 12 - 8;
        const double outer = (64 * 100 * 1.4143 + 7) * 40.0 / 12 + 10;
        double widest = 0;
        for (int i = 0; i < STAR_COUNT; i += 2) {
            const StarPos s = target_star(i);
            ASSERT_EQ(s.y, 32767) << i;
            const double r = radius_xz(s);
            ASSERT_GE(r, inner) << i;
            ASSERT_LE(r, outer) << i;
            widest = std::max(widest, r);
        }
        EXPECT_GT(widest, 64 * 100 * 40.0 / 12);
    }
}

// Shell ----------------------------------------------------------------------------------

TEST_F(GeneratorTest, ShellWithSliderOneAtZeroIsOneShell) {
    track20k = 0;
    track20e = 20;
    run(GEN_SHELL);
    for (int i = 0; i < STAR_COUNT; ++i) {
        const double r = radius_xyz(target_star(i));
        ASSERT_GE(r, (329 - 1.75) * 20) << i;
        ASSERT_LE(r, 329 * 20 + 0.5) << i;
    }
}

TEST_F(GeneratorTest, ShellRadiiComeFromTheBitsOfSliderOne) {
    track20k = 2; // (rand & 2) is 0 or 2
    track20l = 10;
    track20e = 10;
    run(GEN_SHELL);
    int inner = 0, outer = 0;
    for (int i = 0; i < STAR_COUNT; ++i) {
        const double r = radius_xyz(target_star(i));
        if (r > 440 - 18 && r <= 440)
            ++inner;
        else if (r > 520 - 18 && r <= 520)
            ++outer;
        else
            FAIL() << "star " << i << " at radius " << r;
    }
    EXPECT_GT(inner, 12000);
    EXPECT_GT(outer, 12000);
}

} // namespace
