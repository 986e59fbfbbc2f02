#include "saver/model/view_io.h"

#include <gtest/gtest.h>

TEST(ViewRealReader, ReadsStoredRealsAndWholeNumbers) {
    EXPECT_FLOAT_EQ(read_view_real("577.00000"), 577.0f);
    EXPECT_FLOAT_EQ(read_view_real("-3.000000"), -3.0f);
    EXPECT_FLOAT_EQ(read_view_real("12"), 12.0f);
    EXPECT_FLOAT_EQ(read_view_real("0.5"), 0.5f);
    EXPECT_FLOAT_EQ(read_view_real("-0.25"), -0.25f);
    EXPECT_FLOAT_EQ(read_view_real(".75"), 0.75f);
    EXPECT_FLOAT_EQ(read_view_real("2500.0000"), 2500.0f);
}

TEST(ViewRealReader, AnyOtherCharacterMakesZero) {
    EXPECT_EQ(read_view_real("1e5"), 0.0f);
    EXPECT_EQ(read_view_real("+4"), 0.0f);
    EXPECT_EQ(read_view_real(" 4"), 0.0f);
    EXPECT_EQ(read_view_real("4 "), 0.0f);
    EXPECT_EQ(read_view_real(""), 0.0f);
}

TEST(ViewRealReader, MinusEndsTheScanWhereverItStands) {
    EXPECT_FLOAT_EQ(read_view_real("12-3"), -3.0f);
    EXPECT_FLOAT_EQ(read_view_real("x-7.5"), -7.5f);
    EXPECT_FLOAT_EQ(read_view_real("-"), 0.0f);
}

TEST(ViewRealReader, OnlyTheFirstNineCharactersCount) {
    // "100.000000" is read as "100.00000".
    EXPECT_FLOAT_EQ(read_view_real("100.000000"), 100.0f);
    EXPECT_FLOAT_EQ(read_view_real("1234567890"), 123456789.0f);
    // A tenth character that would otherwise make the text invalid is never seen.
    EXPECT_FLOAT_EQ(read_view_real("123456789x"), 123456789.0f);
    // A very long number neither overflows nor reads past the limit.
    EXPECT_FLOAT_EQ(read_view_real("99999999999999999999999999"), 999999999.0f);
}
