#include "saver/engine/engine_state.h"
#include "saver/model/model_state.h"
#include "saver/model/recording.h"
#include "saver/model/view.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

RecordingSample sample_of(float yaw, float pitch, int view_index, int follow, int loop = 0,
                          int end = 0) {
    return RecordingSample{yaw, pitch, view_index, follow, loop, end};
}

TEST(RecordingCodec, PacksTargetsIndexAndFlags) {
    int16_t words[2];
    encode_sample(sample_of(-5, 3, 2, 1), words);
    EXPECT_EQ(words[0], -20);
    EXPECT_EQ(words[1], 58);
    RecordingSample back = decode_sample(words);
    EXPECT_EQ(back.fsxx, -5.0f);
    EXPECT_EQ(back.fsyy, 3.0f);
    EXPECT_EQ(back.view_index, 2);
    EXPECT_EQ(back.follow, 1);
    EXPECT_EQ(back.loop, 0);
    EXPECT_EQ(back.end, 0);
}

TEST(RecordingCodec, NegativeTargetsWithLowBitsDecodeTowardZero) {
    int16_t words[2];
    encode_sample(sample_of(0, -1, 7, 0), words);
    EXPECT_EQ(words[1], -9);
    RecordingSample back = decode_sample(words);
    EXPECT_EQ(back.fsyy, 0.0f);
    EXPECT_EQ(back.view_index, 7);
    EXPECT_EQ(back.follow, 0);

    encode_sample(sample_of(-5, 0, 0, 0, 1), words);
    EXPECT_EQ(words[0], -19);
    back = decode_sample(words);
    EXPECT_EQ(back.fsxx, -4.0f);
    EXPECT_EQ(back.loop, 1);
    EXPECT_EQ(back.end, 0);
}

TEST(RecordingCodec, RoundTripsWholeTargetsAcrossTheWordRange) {
    int16_t words[2];
    for (int yaw : {-8192, -960, 0, 1, 2880, 8191}) {
        for (int pitch : {0, 1, 270, 2047}) {
            for (int index = 0; index < 8; ++index) {
                encode_sample(sample_of(yaw, pitch, index, index & 1), words);
                RecordingSample back = decode_sample(words);
                ASSERT_EQ(back.fsxx, yaw);
                ASSERT_EQ(back.fsyy, pitch);
                ASSERT_EQ(back.view_index, index);
                ASSERT_EQ(back.follow, index & 1);
                ASSERT_EQ(back.loop, 0);
                ASSERT_EQ(back.end, 0);
            }
        }
    }
}

TEST(RecordingCodec, OutOfRangeOrFractionalTargetsNeverCorruptFlagsOrIndex) {
    int16_t words[2];
    // A wide screen steers beyond what a word holds: saturate rather than flip sign.
    encode_sample(sample_of(20000, -5000, 3, 1), words);
    RecordingSample back = decode_sample(words);
    EXPECT_EQ(back.fsxx, 8191.0f);
    EXPECT_EQ(back.fsyy, -2047.0f); // -2048 with index bits set, divided toward zero
    EXPECT_EQ(back.view_index, 3);
    EXPECT_EQ(back.follow, 1);
    EXPECT_EQ(back.loop, 0);
    EXPECT_EQ(back.end, 0);

    // Fractions of a target (from a hand-edited View) would otherwise set the loop bit or
    // change the View index.
    encode_sample(sample_of(0.25f, 0.5f, 1, 0), words);
    back = decode_sample(words);
    EXPECT_EQ(back.loop, 0);
    EXPECT_EQ(back.end, 0);
    EXPECT_EQ(back.view_index, 1);
    EXPECT_EQ(back.follow, 0);
    EXPECT_EQ(back.fsxx, 0.0f);

    encode_sample(sample_of(-2.75f, 1.5f, 6, 1), words);
    back = decode_sample(words);
    EXPECT_EQ(back.fsxx, -2.0f);
    EXPECT_EQ(back.fsyy, 1.0f);
    EXPECT_EQ(back.view_index, 6);
    EXPECT_EQ(back.follow, 1);
}

class Recording : public ::testing::Test {
  protected:
    void SetUp() override {
        std::memset(recording_buffer, 0, sizeof recording_buffer);
        recording_state = RECORDING_IDLE;
        recorded_length = 0;
        keep_motion = 0;
        view_load_pending = 0;
        playback_start = 0;
        projection_dirty = 0;
        pending_view_section[0] = '\0';
        current_view_index = 7;
        follow_direction = 0;
        fsxx = fsyy = 0.0f;
    }

    // Records one frame with the given steering.
    void record(float yaw, float pitch, int follow = 0) {
        fsxx = yaw;
        fsyy = pitch;
        follow_direction = follow;
        recording_step();
    }

    static void fill_stars(uint8_t (&table)[PLANE_COUNT][STAR_COUNT], uint8_t value) {
        std::memset(table, value, sizeof table);
    }
};

TEST_F(Recording, StartRecordingTakesTheDisplayedStarsAsTheModuleStars) {
    fill_stars(display_stars, 0x21);
    fill_stars(target_stars, 0x99);
    recording_loop = recording_end = 1;
    insert_request = INSERT_LOOP;
    recording_position = 400;
    start_recording();
    EXPECT_EQ(recording_state, RECORDING_ACTIVE);
    EXPECT_EQ(recording_position, 0);
    EXPECT_EQ(recording_loop, 0);
    EXPECT_EQ(recording_end, 0);
    EXPECT_EQ(insert_request, INSERT_NONE);
    EXPECT_EQ(target_stars[PLANE_YL][STAR_COUNT - 1], 0x21);
    EXPECT_EQ(target_stars[PLANE_XH][0], 0x21);
}

TEST_F(Recording, RecordThenEndThenPlayBack) {
    start_recording();
    record(-5, 3, 1);
    current_view_index = 2;
    record(12, -4);
    EXPECT_EQ(recording_state, RECORDING_ACTIVE);
    EXPECT_EQ(recording_position, 4);
    EXPECT_EQ(recorded_length, 0);
    recording_end = 1;
    record(30, 0);
    EXPECT_EQ(recording_state, RECORDING_IDLE);
    EXPECT_EQ(recording_position, 6);
    EXPECT_EQ(recorded_length, 8);
    EXPECT_EQ(recording_buffer[0], -20);
    EXPECT_EQ(recording_buffer[1], 3 * 16 + 7 + 8);
    EXPECT_EQ(recording_buffer[5] & 7, 2);
    EXPECT_EQ(recording_buffer[4] & 3, 2);

    fill_stars(target_stars, 0x44);
    fill_stars(display_stars, 0x00);
    current_view_index = 2;
    fsxx = fsyy = 99.0f;
    start_playback();
    EXPECT_EQ(playback_start, 1);
    playback_start = 0;

    recording_step();
    EXPECT_EQ(fsxx, -5.0f);
    EXPECT_EQ(fsyy, 3.0f);
    EXPECT_EQ(follow_direction, 1);
    EXPECT_EQ(view_load_pending, 1);
    EXPECT_STREQ(pending_view_section, "2007");
    EXPECT_STREQ(selected_section, "2007");
    EXPECT_STREQ(status_text, "View 8");
    EXPECT_EQ(current_view_index, 7);
    EXPECT_EQ(playback_start, 1);
    EXPECT_EQ(projection_dirty, 1);
    EXPECT_EQ(display_stars[PLANE_ZL][123], 0x44);
    EXPECT_EQ(recording_position, 2);

    view_load_pending = 0;
    playback_start = 0;
    recording_step();
    EXPECT_EQ(fsxx, 12.0f);
    EXPECT_EQ(fsyy, -3.0f); // recorded as -4 in View 3: decodes one unit toward zero
    EXPECT_EQ(follow_direction, 0);
    EXPECT_EQ(view_load_pending, 1);
    EXPECT_STREQ(pending_view_section, "2002");
    EXPECT_STREQ(status_text, "View 3");
    EXPECT_EQ(current_view_index, 2);
    EXPECT_EQ(playback_start, 0);

    view_load_pending = 0;
    recording_step();
    EXPECT_EQ(fsxx, 30.0f);
    EXPECT_EQ(view_load_pending, 0); // still View 3
    EXPECT_EQ(recording_state, RECORDING_IDLE);
    EXPECT_EQ(recorded_length, 8);
}

TEST_F(Recording, LoopRestartsAtTheStartAndThenPlaysTheSecondSample) {
    start_recording();
    record(1, 0);
    record(2, 0);
    recording_loop = 1;
    record(3, 0);
    EXPECT_EQ(recording_state, RECORDING_IDLE);
    EXPECT_EQ(recorded_length, 8);

    start_playback();
    recording_step();
    recording_step();
    EXPECT_EQ(fsxx, 2.0f);

    fill_stars(target_stars, 0x10);
    fill_stars(display_stars, 0x77);
    view_load_pending = 0;
    playback_start = 0;
    current_view_index = 4;
    recording_step();
    EXPECT_EQ(fsxx, 3.0f);
    EXPECT_EQ(recording_state, RECORDING_PLAYBACK);
    EXPECT_EQ(recording_position, 2);
    EXPECT_STREQ(pending_view_section, "2007");
    EXPECT_EQ(view_load_pending, 1);
    EXPECT_EQ(playback_start, 1);
    EXPECT_EQ(display_stars[PLANE_XH][0], 0x10);

    recording_step();
    EXPECT_EQ(fsxx, 2.0f); // the first sample is not played again
    EXPECT_EQ(recording_position, 4);
}

TEST_F(Recording, LoopWithEndKeepsTheMotionAndTheStars) {
    start_recording();
    record(1, 0);
    recording_loop = 1;
    recording_end = 1;
    record(2, 0);
    EXPECT_EQ(recording_buffer[2] & 3, 3);

    start_playback();
    recording_step();
    fill_stars(target_stars, 0x10);
    fill_stars(display_stars, 0x77);
    recording_step();
    EXPECT_EQ(keep_motion, 1);
    EXPECT_EQ(recording_state, RECORDING_PLAYBACK);
    EXPECT_EQ(recording_position, 2);
    EXPECT_STREQ(pending_view_section, "2007");
    EXPECT_EQ(display_stars[PLANE_XH][0], 0x77);
}

TEST_F(Recording, PlayingTwiceRestartsFromTheFirstSample) {
    start_recording();
    record(1, 0);
    record(2, 0);
    record(3, 0);
    recording_state = RECORDING_IDLE;

    start_playback();
    recording_step();
    recording_step();
    EXPECT_EQ(fsxx, 2.0f);
    start_playback();
    recording_step();
    EXPECT_EQ(fsxx, 1.0f);
    EXPECT_EQ(recording_position, 2);
}

// Four recorded samples and an end sample, played up to the second; the request is taken
// by the frame that plays the third.
class InsertRequest : public Recording {
  protected:
    void SetUp() override {
        Recording::SetUp();
        start_recording();
        for (int i = 1; i <= 4; ++i) record(static_cast<float>(i * 10), 0);
        recording_end = 1;
        record(50, 0);
        start_playback();
        recording_step();
        recording_step();
    }
};

TEST_F(InsertRequest, InsertRecordsFromTheNextSlotOn) {
    insert_request = INSERT_RECORDING;
    recording_step();
    EXPECT_EQ(insert_request, INSERT_NONE);
    EXPECT_EQ(recording_state, RECORDING_ACTIVE);
    EXPECT_EQ(recording_position, 8);
    // The frame that played slot 4 recorded its steering into slot 6.
    EXPECT_EQ(decode_sample(&recording_buffer[6]).fsxx, 30.0f);
    record(-8, 1);
    RecordingSample overwritten = decode_sample(&recording_buffer[8]);
    EXPECT_EQ(overwritten.fsxx, -8.0f);
    EXPECT_EQ(overwritten.end, 0);
    EXPECT_EQ(recording_state, RECORDING_ACTIVE);
}

TEST_F(InsertRequest, InsertEndStopsTheMovieThere) {
    insert_request = INSERT_END;
    recording_step();
    EXPECT_EQ(recording_state, RECORDING_IDLE);
    EXPECT_EQ(recorded_length, 10);
    RecordingSample last = decode_sample(&recording_buffer[6]);
    EXPECT_EQ(last.end, 1);
    EXPECT_EQ(last.loop, 0);

    start_playback();
    for (int i = 0; i < 4; ++i) recording_step();
    EXPECT_EQ(recording_state, RECORDING_IDLE);
    EXPECT_EQ(recording_position, 8);
}

TEST_F(InsertRequest, InsertLoopLoopsTheMovieThere) {
    insert_request = INSERT_LOOP;
    recording_step();
    EXPECT_EQ(recording_state, RECORDING_IDLE);
    EXPECT_EQ(recorded_length, 10);
    EXPECT_EQ(decode_sample(&recording_buffer[6]).loop, 1);

    start_playback();
    for (int i = 0; i < 4; ++i) recording_step();
    EXPECT_EQ(recording_state, RECORDING_PLAYBACK);
    EXPECT_EQ(recording_position, 2);
}

TEST_F(Recording, StopDuringRecordingKeepsTheRecordedLength) {
    recorded_length = 120;
    start_recording();
    record(1, 0);
    record(2, 0);
    recording_state = RECORDING_IDLE;
    record(3, 0);
    EXPECT_EQ(recorded_length, 120);
    EXPECT_EQ(recording_position, 4);
    EXPECT_EQ(recording_buffer[4], 0);
}

TEST_F(Recording, FullBufferStopsRecordingAfterTheLastSlot) {
    start_recording();
    int samples = 0;
    while (recording_state == RECORDING_ACTIVE && samples < 40000) {
        record(static_cast<float>(samples % 100), 0);
        ++samples;
    }
    EXPECT_EQ(samples, 32001);
    EXPECT_EQ(recording_position, 64002);
    EXPECT_EQ(recorded_length, 64004);
    EXPECT_EQ(decode_sample(&recording_buffer[64000]).fsxx, 0.0f);
    EXPECT_EQ(decode_sample(&recording_buffer[63998]).fsxx, 99.0f);
    EXPECT_EQ(recording_buffer[64003], 0);
}

TEST_F(Recording, PlaybackWithoutEndRunsToTheEndOfTheBuffer) {
    for (int p = 0; p < RECORDING_WORDS; p += 2) recording_buffer[p + 1] = 7;
    start_playback();
    int frames = 0;
    while (recording_state == RECORDING_PLAYBACK && frames < 40000) {
        recording_step();
        ++frames;
    }
    EXPECT_EQ(frames, 32001);
    EXPECT_EQ(recording_position, 64002);
}

} // namespace
