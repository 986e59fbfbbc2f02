// The frame every pattern shares: names, snapshot, the anchor and re-anchoring, pairs at the
// end of the table, determinism, and values no control can produce.
#include <string>

#include "tests/engine/generator_fixture.h"

namespace {

constexpr int PAIR_MODES[] = {GEN_SINE, GEN_GALAXY, GEN_RINGS, GEN_SINE_T};
uint8_t saved[PLANE_COUNT][STAR_COUNT];

bool same_star(const StarPos& a, const StarPos& b) {
    return a.x == b.x && a.y == b.y && a.z == b.z;
}

TEST(GeneratorModeName, NamesEveryModeAndNothingElse) {
    const char* expected[] = {"Random", "Planar", "Sine",  "Sphere", "Galaxy",
                              "Tube",   "Rings",  "Shell", "Sine T"};
    for (int mode = 0; mode < 9; ++mode) EXPECT_STREQ(generator_mode_name(mode), expected[mode]);
    EXPECT_STREQ(generator_mode_name(-1), "");
    EXPECT_STREQ(generator_mode_name(9), "");
}

TEST_F(GeneratorTest, SnapshotCopiesEveryPlaneInTheAskedDirection) {
    for (int p = 0; p < PLANE_COUNT; ++p) {
        for (int i = 0; i < STAR_COUNT; ++i) {
            target_stars[p][i] = static_cast<uint8_t>(i * 7 + p);
            display_stars[p][i] = static_cast<uint8_t>(i * 3 + 2 * p + 1);
        }
    }
    std::memcpy(saved, display_stars, sizeof(saved));
    snapshot(1);
    EXPECT_TRUE(tables_equal(target_stars, saved));

    for (int i = 0; i < STAR_COUNT; ++i) target_stars[PLANE_YL][i] = static_cast<uint8_t>(i);
    snapshot(0);
    EXPECT_TRUE(tables_equal(display_stars, target_stars));
}

TEST_F(GeneratorTest, OnlyTheTimedModesLeaveTheDisplayTableToTheGlide) {
    for (int mode = 0; mode < 9; ++mode) {
        SCOPED_TRACE(generator_mode_name(mode));
        std::memset(target_stars, 0, sizeof(target_stars));
        std::memset(display_stars, 0x5A, sizeof(display_stars));
        std::memcpy(saved, display_stars, sizeof(saved));
        run(mode);
        EXPECT_FALSE(tables_equal(target_stars, saved)) << "no pattern written";
        if (mode == GEN_TUBE || mode == GEN_SINE_T)
            EXPECT_TRUE(tables_equal(display_stars, saved));
        else
            EXPECT_TRUE(tables_equal(display_stars, target_stars));
    }
}

TEST_F(GeneratorTest, EveryRunClearsTheAnchorFlagAndTheBackdropAnchor) {
    for (int mode = 0; mode < 9; ++mode) {
        anchor_flag = 1;
        backdrop_anchor[0] = 5;
        backdrop_anchor[1] = -6;
        backdrop_anchor[2] = 7;
        run(mode);
        EXPECT_EQ(anchor_flag, 0) << generator_mode_name(mode);
        EXPECT_EQ(backdrop_anchor[0], 0);
        EXPECT_EQ(backdrop_anchor[1], 0);
        EXPECT_EQ(backdrop_anchor[2], 0);
    }
}

TEST_F(GeneratorTest, SameSeedSamePatternOtherSeedAnotherPattern) {
    for (int aux = 0; aux <= 1; ++aux) {
        tracking = aux;
        for (int mode = 0; mode < 9; ++mode) {
            SCOPED_TRACE(std::string(generator_mode_name(mode)) + (aux ? " AUX" : ""));
            run(mode, 777u);
            std::memcpy(saved, target_stars, sizeof(saved));
            std::memset(target_stars, 0, sizeof(target_stars));
            run(mode, 777u);
            EXPECT_TRUE(tables_equal(target_stars, saved));
            // "Rings" without AUX draws nothing: its pattern depends on the sliders alone.
            if (mode == GEN_RINGS && !aux) continue;
            run(mode, 778u);
            EXPECT_FALSE(tables_equal(target_stars, saved));
        }
    }
}

TEST_F(GeneratorTest, RandomFillsThePlanesFromConsecutiveDraws) {
    track20k = 3; // sliders and AUX have no effect in this mode
    tracking = 1;
    run(GEN_RANDOM, 99u);
    ReferenceStream stream{99u};
    for (int i = 0; i < 3; ++i) {
        for (int plane = 0; plane < PLANE_COUNT; ++plane) {
            EXPECT_EQ(target_stars[plane][i], stream.next() & 255)
                << "star " << i << " plane " << plane;
        }
    }
}

TEST_F(GeneratorTest, PlanarBoxReplacesTheFirstHighBytesWithTheAcceptedDraws) {
    track20k = track20l = track20e = 128; // every draw is accepted
    run(GEN_PLANAR, 4242u);
    ReferenceStream stream{4242u};
    int draw[9];
    for (int& d : draw) d = stream.next() & 255;
    const StarPos s = target_star(0);
    EXPECT_EQ(s.x, draw[6] * 256 + draw[0]);
    EXPECT_EQ(s.z, draw[8] * 256 + draw[1]);
    EXPECT_EQ(s.y, draw[7] * 256 + draw[2]);
}

TEST_F(GeneratorTest, SineTTakesItsThreePhaseStepsFromTheFirstThreeDraws) {
    track20e = 64;
    run(GEN_SINE_T, 31337u);
    ReferenceStream stream{31337u};
    double step[3];
    for (double& d : step) d = (stream.next() + 16) / 10430.068850486537 / 64;
    const StarPos s = target_star(0);
    EXPECT_NEAR(s.x, std::sin(step[0]) * 32765 + 32767, 1.0);
    EXPECT_NEAR(s.z, std::sin(step[1]) * 32765 + 32767, 1.0);
    EXPECT_NEAR(s.y, std::sin(step[2]) * 32765 + 32767, 1.0);
}

TEST_F(GeneratorTest, PairModesWriteThePointMirrorAsTheSecondStar) {
    for (int aux = 0; aux <= 1; ++aux) {
        tracking = aux;
        for (int mode : PAIR_MODES) {
            SCOPED_TRACE(generator_mode_name(mode));
            run(mode);
            for (int i = 0; i < STAR_COUNT; i += 2) {
                const StarPos a = target_star(i), b = target_star(i + 1);
                ASSERT_EQ(b.x, mirrored(a.x)) << "pair " << i;
                ASSERT_EQ(b.y, mirrored(a.y)) << "pair " << i;
                ASSERT_EQ(b.z, mirrored(a.z)) << "pair " << i;
            }
        }
    }
}

TEST_F(GeneratorTest, PairsFromIndexOneKeepStarZeroAndDropTheLastPartner) {
    for (int mode : PAIR_MODES) {
        SCOPED_TRACE(generator_mode_name(mode));
        std::memset(target_stars, 0xAB, sizeof(target_stars));
        put_target_star(0, 32767, 32767, 32767);
        anchor_flag = 1;
        run(mode);
        const StarPos anchor = target_star(0);
        EXPECT_EQ(anchor.x, 32767);
        EXPECT_EQ(anchor.y, 32767);
        EXPECT_EQ(anchor.z, 32767);
        for (int i = 1; i + 1 < STAR_COUNT; i += 2) {
            const StarPos a = target_star(i), b = target_star(i + 1);
            ASSERT_TRUE(same_star(b, {mirrored(a.x), mirrored(a.y), mirrored(a.z)})) << i;
        }
        const StarPos last = target_star(STAR_COUNT - 1);
        EXPECT_FALSE(last.x == 0xABAB && last.y == 0xABAB && last.z == 0xABAB);
    }
}

TEST_F(GeneratorTest, TheLastStarFromIndexOneIsTheFirstOfItsPair) {
    // "Sine" with AUX and no meteors puts every first star on the upper sheet.
    tracking = 1;
    track20e = 20;
    anchor_flag = 1;
    put_target_star(0, 32767, 32767, 32767);
    run(GEN_SINE);
    EXPECT_EQ(target_star(STAR_COUNT - 1).y, 20 * 60 + 32767);
    EXPECT_EQ(target_star(STAR_COUNT - 2).y, mirrored(20 * 60 + 32767));
}

TEST_F(GeneratorTest, ReanchoringAroundTheCentreChangesNothingAndElsewhereShiftsThePattern) {
    run(GEN_RANDOM, 555u);
    std::memcpy(saved, target_stars, sizeof(saved));

    put_target_star(0, 32767, 32767, 32767);
    anchor_flag = 1;
    run(GEN_RANDOM, 555u);
    for (int i = 1; i < STAR_COUNT; ++i) {
        ASSERT_TRUE(same_star(target_star(i), star_in(saved, i - 1))) << i;
    }

    const int ax = 40000, ay = 1000, az = 65000;
    put_target_star(0, ax, ay, az);
    anchor_flag = 1;
    run(GEN_RANDOM, 555u);
    const StarPos anchor = target_star(0);
    EXPECT_TRUE(same_star(anchor, {ax, ay, az}));
    for (int i = 1; i < STAR_COUNT; ++i) {
        const StarPos unshifted = star_in(saved, i - 1);
        const StarPos s = target_star(i);
        ASSERT_EQ(s.x, (unshifted.x + ax - 32767) & 0xFFFF) << i;
        ASSERT_EQ(s.y, (unshifted.y + ay - 32767) & 0xFFFF) << i;
        ASSERT_EQ(s.z, (unshifted.z + az - 32767) & 0xFFFF) << i;
    }
    EXPECT_TRUE(tables_equal(display_stars, target_stars));
}

TEST_F(GeneratorTest, SlidersOutsideTheirRangeActAsTheNearestEnd) {
    const int modes[] = {GEN_PLANAR, GEN_SPHERE, GEN_SHELL, GEN_TUBE};
    for (int mode : modes) {
        SCOPED_TRACE(generator_mode_name(mode));
        track20k = track20l = track20e = 0;
        run(mode, 1u);
        std::memcpy(saved, target_stars, sizeof(saved));
        track20k = track20l = track20e = -40;
        run(mode, 1u);
        EXPECT_TRUE(tables_equal(target_stars, saved));

        track20k = track20l = track20e = 128;
        run(mode, 1u);
        std::memcpy(saved, target_stars, sizeof(saved));
        track20k = track20l = track20e = 1000000;
        run(mode, 1u);
        EXPECT_TRUE(tables_equal(target_stars, saved));
    }
}

TEST_F(GeneratorTest, AnUnknownModeKeepsTheStarsWhereTheyAre) {
    for (int mode : {-1, 9, 100}) {
        for (int i = 0; i < STAR_COUNT; ++i) put_target_star(i, i, 2 * i, 3 * i);
        put_target_star(0, 1000, 2000, 3000);
        std::memcpy(saved, target_stars, sizeof(saved));
        anchor_flag = 1;
        run(mode);
        EXPECT_TRUE(tables_equal(target_stars, saved)) << mode;
        EXPECT_TRUE(tables_equal(display_stars, target_stars));
        EXPECT_EQ(anchor_flag, 0);
    }
}

} // namespace
