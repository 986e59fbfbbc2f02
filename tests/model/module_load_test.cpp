#include "saver/engine/engine_state.h"
#include "saver/model/model_state.h"
#include "saver/model/module_files.h"
#include "saver/model/view.h"
#include "saver/model/work_copies.h"
#include "tests/support/test_env.h"

#include <gtest/gtest.h>

#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class ModuleLoad : public ::testing::Test {
  protected:
    void SetUp() override {
        library = make_temp_dir("library");
        path = library + "/Galaxy-2.sv";
        data = library + "/Galaxy-2/";
        mkdir(data.c_str(), 0755);
        write_file(path, "[items]  \r\nshell0=images\\M42.TGA\r\nballs1=2\r\nreshape=90\r\n\r\n"
                         "[2007]  \r\ntrack10=577.000000\r\n\r\n");
        for (const char* ext : {".pr1", ".pr2", ".pr3", ".pr4", ".pr5", ".pr6"})
            write_file(data + "Galaxy-2" + ext, std::string(3, '\x07'));
        write_file(data + "Galaxy-2.pr8", std::string("\x10\x00\x20\x00", 4));
        std::memset(target_stars, 0xAB, sizeof target_stars);
    }
    std::string library, path, data;
};

TEST_F(ModuleLoad, CopiesTheTextAndReadsTheSideFiles) {
    int without_stars = -1;
    ASSERT_EQ(load_module(path.c_str(), &without_stars), 1);
    EXPECT_EQ(without_stars, 0);
    EXPECT_STREQ(module_name, "Galaxy-2");
    EXPECT_EQ(std::string(module_work_file), work_directory() + "Galaxy-2.ini");
    EXPECT_EQ(read_file(module_work_file), read_file(path));
    // Short planes replace only their own length.
    for (int plane = 0; plane < PLANE_COUNT; ++plane) {
        EXPECT_EQ(target_stars[plane][0], 7);
        EXPECT_EQ(target_stars[plane][2], 7);
        EXPECT_EQ(target_stars[plane][3], 0xAB);
    }
    EXPECT_EQ(recorded_length, 2);
    EXPECT_EQ(recording_buffer[0], 0x10);
    EXPECT_EQ(recording_buffer[1], 0x20);
    EXPECT_STREQ(backdrop_path, "images\\M42.TGA");
    EXPECT_EQ(balls1, 2);
    EXPECT_EQ(backdrop_resolution, 90);
}

TEST_F(ModuleLoad, OneByteFirstPlaneMarksAModuleWithoutStars) {
    write_file(data + "Galaxy-2.pr1", "x");
    int without_stars = 0;
    ASSERT_EQ(load_module(path.c_str(), &without_stars), 1);
    EXPECT_EQ(without_stars, 1);
}

TEST_F(ModuleLoad, EmptyRecordingKeepsThePreviousOne) {
    recording_buffer[0] = 1234;
    recorded_length = 77;
    write_file(data + "Galaxy-2.pr8", "");
    int without_stars = 0;
    ASSERT_EQ(load_module(path.c_str(), &without_stars), 1);
    EXPECT_EQ(recording_buffer[0], 1234);
    EXPECT_EQ(recorded_length, 77);
}

TEST_F(ModuleLoad, OversizedSideFilesAreReadOnlyUpToTheirTables) {
    write_file(data + "Galaxy-2.pr1", std::string(STAR_COUNT + 5000, '\x01'));
    write_file(data + "Galaxy-2.pr8", std::string(200000, '\x02'));
    int without_stars = 0;
    ASSERT_EQ(load_module(path.c_str(), &without_stars), 1);
    EXPECT_EQ(target_stars[PLANE_XH][STAR_COUNT - 1], 1);
    EXPECT_EQ(recorded_length, 64000);
}

TEST_F(ModuleLoad, FailuresLeaveNoCurrentModule) {
    int without_stars = 0;
    EXPECT_EQ(load_module((library + "/missing.sv").c_str(), &without_stars), 0);
    EXPECT_STREQ(module_path, "");

    write_file(library + "/empty.sv", "");
    EXPECT_EQ(load_module((library + "/empty.sv").c_str(), &without_stars), 0);
    EXPECT_STREQ(module_path, "");

    std::remove((data + "Galaxy-2.pr8").c_str());
    EXPECT_EQ(load_module(path.c_str(), &without_stars), 0);
    EXPECT_STREQ(module_path, "");
}

TEST(ModuleName, TakesTheFileNameAfterEitherSeparatorWithoutExtension) {
    char name[64];
    module_name_of("C:\\Program Files\\x\\library\\demo.sv", name, sizeof name);
    EXPECT_STREQ(name, "demo");
    module_name_of("/home/u/library/Snow-2.sv", name, sizeof name);
    EXPECT_STREQ(name, "Snow-2");
    module_name_of("ab", name, sizeof name);
    EXPECT_STREQ(name, "");
}

} // namespace

namespace {

mode_t mode_of(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 ? info.st_mode & 0777 : 0;
}

TEST_F(ModuleLoad, ReloadingKeepsTheWorkFilesMode) {
    int without_stars = 0;
    ASSERT_EQ(load_module(path.c_str(), &without_stars), 1);
    chmod(module_work_file, 0600);
    ASSERT_EQ(load_module(path.c_str(), &without_stars), 1);
    EXPECT_EQ(mode_of(module_work_file), 0600u);
}

// The editor's work file, with Views it stored but has not saved, is in the per-user place;
// a copy that is not the editor loading the same module must leave it, and the library, be.
TEST_F(ModuleLoad, APrivateCopyWritesNothingTheEditorOrTheLibraryHolds) {
    use_work_copies(WorkCopies::PER_USER);
    const std::string editors = work_directory() + "Galaxy-2.ini";
    const std::string old_place = data + "Galaxy-2.ini";
    for (const std::string& file : {editors, old_place})
        write_file(file, read_file(path) + "[2003]\r\nmarker=stored by the editor\r\n");
    use_work_copies(WorkCopies::PRIVATE);
    int without_stars = 0;
    ASSERT_EQ(load_module(path.c_str(), &without_stars), 1);
    EXPECT_EQ(read_file(module_work_file), read_file(path));
    for (const std::string& file : {editors, old_place})
        EXPECT_NE(read_file(file).find("marker=stored by the editor"), std::string::npos) << file;
    EXPECT_NE(std::string(module_work_file), editors);
    std::remove(editors.c_str());
    std::remove(old_place.c_str());
}

// A link left in the work directory holds the name a shared temporary would have: the load
// writes its own and reaches nothing through a link.
TEST_F(ModuleLoad, TheWorkCopyGoesThroughATemporaryOfItsOwn) {
    const std::string work = work_directory();
    write_file(library + "/outside", "kept");
    ASSERT_EQ(symlink((library + "/outside").c_str(), (work + "Galaxy-2.ini.tmp").c_str()), 0);
    int without_stars = 0;
    ASSERT_EQ(load_module(path.c_str(), &without_stars), 1);
    EXPECT_EQ(read_file(module_work_file), read_file(path));
    EXPECT_EQ(read_file(library + "/outside"), "kept");
    std::remove((work + "Galaxy-2.ini.tmp").c_str());
}

TEST_F(ModuleLoad, NamesWrittenInAnotherCaseAreFound) {
    // As unpacked from a system where case does not count.
    const std::string upper = library + "/GALAXY-2";
    ASSERT_EQ(std::rename(data.c_str(), upper.c_str()), 0);
    for (const char* ext : {".pr1", ".pr2", ".pr3", ".pr4", ".pr5", ".pr6", ".pr8"}) {
        std::string name = std::string("/GALAXY-2") + ext;
        for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        ASSERT_EQ(std::rename((upper + "/Galaxy-2" + ext).c_str(), (upper + name).c_str()), 0);
    }
    ASSERT_EQ(std::rename(path.c_str(), (library + "/GALAXY-2.SV").c_str()), 0);
    int without_stars = 0;
    ASSERT_EQ(load_module(path.c_str(), &without_stars), 1);
    EXPECT_EQ(std::string(module_work_file), work_directory() + "GALAXY-2.ini");
    EXPECT_EQ(target_stars[PLANE_YL][0], 7);
    EXPECT_EQ(recorded_length, 2);
}

} // namespace
