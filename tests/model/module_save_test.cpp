#include "platform/headless.h"
#include "platform/profile.h"
#include "saver/engine/engine_state.h"
#include "saver/model/model_state.h"
#include "saver/model/module_files.h"
#include "tests/support/test_env.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <dirent.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class ModuleSave : public ::testing::Test {
  protected:
    void SetUp() override {
        library = make_temp_dir("save");
        const std::string data = library + "/Old/";
        mkdir(data.c_str(), 0755);
        std::snprintf(module_work_file, sizeof module_work_file, "%sOld.ini", data.c_str());
        write_file(module_work_file, "[items]\r\nshell0=\r\nstatx=5\r\n\r\n"
                                     "[2000]\r\ntrack10=577.000000\r\nfov=60\r\n\r\n"
                                     "[2003]\r\ntrack10=100.000000\r\n\r\n"
                                     "[2007]\r\ntrack10=0.000\r\n");
        for (int plane = 0; plane < PLANE_COUNT; ++plane)
            for (int i = 0; i < STAR_COUNT; ++i) target_stars[plane][i] = static_cast<uint8_t>(i);
        recorded_length = 0;
    }
    // The entries of a directory whose names hold `part`.
    int entries_named(const std::string& directory, const std::string& part) {
        int found = 0;
        if (DIR* dir = opendir(directory.c_str())) {
            while (const dirent* entry = readdir(dir))
                if (std::string(entry->d_name).find(part) != std::string::npos) ++found;
            closedir(dir);
        }
        return found;
    }
    long size_of(const std::string& path) {
        struct stat info {};
        return stat(path.c_str(), &info) == 0 ? static_cast<long>(info.st_size) : -1;
    }
    std::string library;
    const Rect window{10, 20, 610, 420};
};

TEST_F(ModuleSave, WritesTheModuleTextByteForByte) {
    const std::string path = library + "/New.sv";
    ASSERT_EQ(save_module(path.c_str(), SAVE_NORMAL, window), 1);
    EXPECT_EQ(read_file(path), "[items]  \r\nshell0=\r\nstatx=5\r\nappx=10\r\nappy=20\r\n"
                               "appx1=600\r\nappy1=400\r\n\r\n"
                               "[2000]  \r\ntrack10=577.000000\r\nfov=60\r\n\r\n"
                               "[2001]  \r\n\r\n[2002]  \r\n\r\n"
                               "[2003]  \r\ntrack10=100.000000\r\n\r\n"
                               "[2004]  \r\n\r\n[2005]  \r\n\r\n[2006]  \r\n\r\n"
                               "[2007]  \r\ntrack10=0.000\r\n\r\n");
}

TEST_F(ModuleSave, PlaneFilesHoldTheLargestTotalPlusTwoStars) {
    const std::string path = library + "/New.sv";
    ASSERT_EQ(save_module(path.c_str(), SAVE_NORMAL, window), 1);
    for (const char* ext : {".pr1", ".pr2", ".pr3", ".pr4", ".pr5", ".pr6"})
        EXPECT_EQ(size_of(library + "/New/New" + ext), 579) << ext;
    EXPECT_EQ(size_of(library + "/New/New.pr8"), 0);
    EXPECT_EQ(read_file(library + "/New/New.pr1")[300], static_cast<char>(300 & 0xFF));
}

TEST_F(ModuleSave, FullAndStarlessModes) {
    const std::string path = library + "/New.sv";
    ASSERT_EQ(save_module(path.c_str(), SAVE_FULL, window), 1);
    EXPECT_EQ(size_of(library + "/New/New.pr4"), STAR_COUNT);
    ASSERT_EQ(save_module(path.c_str(), SAVE_NO_STARS, window), 1);
    EXPECT_EQ(size_of(library + "/New/New.pr4"), 1);

    int without_stars = 0;
    ASSERT_EQ(load_module(path.c_str(), &without_stars), 1);
    EXPECT_EQ(without_stars, 1);
}

TEST_F(ModuleSave, TotalsBeyondTheTableAreCappedAtItsSize) {
    write_private_profile_string("2001", "track10", "99999.000", module_work_file);
    const std::string path = library + "/Big.sv";
    ASSERT_EQ(save_module(path.c_str(), SAVE_NORMAL, window), 1);
    EXPECT_EQ(size_of(library + "/Big/Big.pr1"), STAR_COUNT);
}

TEST_F(ModuleSave, RecordingOfNWordsIsSavedWithTwoMore) {
    recorded_length = 10;
    const std::string path = library + "/New.sv";
    ASSERT_EQ(save_module(path.c_str(), SAVE_NORMAL, window), 1);
    EXPECT_EQ(size_of(library + "/New/New.pr8"), 24);
    int without_stars = 0;
    ASSERT_EQ(load_module(path.c_str(), &without_stars), 1);
    EXPECT_EQ(recorded_length, 12);
}

TEST_F(ModuleSave, AFailedSaveKeepsTheOldModuleWhole) {
    const std::string path = library + "/New.sv";
    ASSERT_EQ(save_module(path.c_str(), SAVE_NORMAL, window), 1);
    const std::string old_text = read_file(path);
    const std::string old_plane = read_file(library + "/New/New.pr1");

    // A file where the side files' directory should be: no side file can be created.
    ASSERT_EQ(rename((library + "/New").c_str(), (library + "/Aside").c_str()), 0);
    write_file(library + "/New", "not a directory");
    write_private_profile_string("2000", "fov", "90", module_work_file);
    target_stars[PLANE_XH][0] = 99;
    headless_clear_message_boxes();
    EXPECT_EQ(save_module(path.c_str(), SAVE_FULL, window), 0);
    ASSERT_EQ(std::remove((library + "/New").c_str()), 0);
    ASSERT_EQ(rename((library + "/Aside").c_str(), (library + "/New").c_str()), 0);

    EXPECT_EQ(read_file(path), old_text);
    EXPECT_EQ(read_file(library + "/New/New.pr1"), old_plane);
    ASSERT_EQ(headless_message_boxes().size(), 1u);
    EXPECT_EQ(headless_message_boxes()[0].text, "Can not create a file");
    EXPECT_EQ(headless_message_boxes()[0].caption, "Error");
    EXPECT_EQ(entries_named(library, ".tmp"), 0);
}

TEST_F(ModuleSave, AFailedWriteIsReportedApartFromAFileThatCannotBeCreated) {
    const std::string path = library + "/New.sv";
    // The files are created but a write beyond the first kilobyte fails.
    headless_clear_message_boxes();
    const int saved =
        with_file_size_limit(1024, [&] { return save_module(path.c_str(), SAVE_FULL, window); });
    EXPECT_EQ(saved, SAVE_FAILED);
    ASSERT_EQ(headless_message_boxes().size(), 1u);
    EXPECT_EQ(headless_message_boxes()[0].text, "Can not write the module; the old files are kept");
    EXPECT_EQ(size_of(path), -1);
    EXPECT_EQ(entries_named(library + "/New", ".tmp"), 0);
    headless_clear_message_boxes();
    // The module file itself: no message, and the caller learns it was never made.
    EXPECT_EQ(save_module((library + "/none/X.sv").c_str(), SAVE_FULL, window), SAVE_NOT_CREATED);
    EXPECT_TRUE(headless_message_boxes().empty());
}

TEST_F(ModuleSave, ReplacedFilesKeepTheirModes) {
    const std::string path = library + "/New.sv";
    ASSERT_EQ(save_module(path.c_str(), SAVE_NORMAL, window), SAVE_DONE);
    chmod(path.c_str(), 0600);
    chmod((library + "/New/New.pr1").c_str(), 0640);
    ASSERT_EQ(save_module(path.c_str(), SAVE_NORMAL, window), SAVE_DONE);
    struct stat info {};
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    ASSERT_EQ(stat((library + "/New/New.pr1").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

} // namespace
