#include "platform/file_dialog.h"
#include "platform/headless.h"

#include <gtest/gtest.h>

namespace {

class FileDialogTest : public ::testing::Test {
  protected:
    void SetUp() override { headless_reset(); }
    void TearDown() override { headless_reset(); }
};

TEST_F(FileDialogTest, AnswersComeInTheOrderQueuedAndCancelLeavesTheResultAlone) {
    headless_queue_file_answer("/library/demo.sv");
    headless_queue_file_answer(nullptr);
    std::string chosen = "before";
    EXPECT_TRUE(get_open_file_name(nullptr, "Modules", "*.sv", "/library", "demo.sv", &chosen));
    EXPECT_EQ(chosen, "/library/demo.sv");
    chosen = "kept";
    EXPECT_FALSE(get_open_file_name(nullptr, "Modules", "*.sv", "/library", nullptr, &chosen));
    EXPECT_EQ(chosen, "kept");
    EXPECT_FALSE(browse_for_folder(nullptr, "Where?", &chosen)) << "an empty queue cancels";
    EXPECT_EQ(chosen, "kept");
}

TEST_F(FileDialogTest, EveryCallIsRecordedWithWhatItOffered) {
    headless_queue_file_answer("/home/user/install");
    std::string folder;
    EXPECT_TRUE(get_open_file_name(nullptr, "Targa files", "*.tga", "/images", nullptr, &folder));
    EXPECT_EQ(folder, "/home/user/install");
    EXPECT_FALSE(browse_for_folder(nullptr, "Install directory", &folder));
    const auto& calls = headless_file_dialog_calls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_FALSE(calls[0].folder);
    EXPECT_EQ(calls[0].title_or_filter, "Targa files");
    EXPECT_EQ(calls[0].pattern, "*.tga");
    EXPECT_EQ(calls[0].initial_directory, "/images");
    EXPECT_EQ(calls[0].preset_file, "");
    EXPECT_TRUE(calls[1].folder);
    EXPECT_EQ(calls[1].title_or_filter, "Install directory");
    headless_reset();
    EXPECT_TRUE(headless_file_dialog_calls().empty());
}

TEST_F(FileDialogTest, ResetForgetsAnswersNotYetTaken) {
    headless_queue_file_answer("/stale.sv");
    headless_reset();
    std::string chosen;
    EXPECT_FALSE(get_open_file_name(nullptr, "Modules", "*.sv", "/", nullptr, &chosen));
}

} // namespace
