#include "platform/headless.h"
#include "platform/message_box.h"

#include <gtest/gtest.h>

namespace {

TEST(MessageBox, RecordsEachBoxAndGivesTheChosenAnswer) {
    headless_clear_message_boxes();
    headless_set_message_box_answer(IDOK);
    EXPECT_EQ(message_box(nullptr, "ChoosePixelFormat failed", "Error", MB_OK), IDOK);
    headless_set_message_box_answer(IDNO);
    EXPECT_EQ(message_box(nullptr, "Remove?", "Setup", MB_YESNO | MB_ICONQUESTION), IDNO);
    EXPECT_EQ(message_box(nullptr, nullptr, nullptr, MB_OK), IDNO);
    const auto& boxes = headless_message_boxes();
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0].text, "ChoosePixelFormat failed");
    EXPECT_EQ(boxes[0].caption, "Error");
    EXPECT_EQ(boxes[1].type, MB_YESNO | MB_ICONQUESTION);
    EXPECT_EQ(boxes[2].text, "");
    headless_clear_message_boxes();
    EXPECT_TRUE(headless_message_boxes().empty());
    headless_set_message_box_answer(IDOK);
}

} // namespace
