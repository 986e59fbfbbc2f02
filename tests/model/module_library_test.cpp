#include "platform/profile.h"
#include "saver/model/model_state.h"
#include "saver/model/module_library.h"
#include "saver/model/module_selection.h"
#include "saver/model/settings.h"
#include "tests/support/test_env.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sys/stat.h>

namespace {

class ModuleLibrary : public ::testing::Test {
  protected:
    void SetUp() override {
        install = make_temp_dir("install");
        mkdir((install + "/library").c_str(), 0755);
        write_private_profile_string("data", "path", install.c_str(), SETTINGS_FILE);
        write_private_profile_string("cycle", nullptr, nullptr, SETTINGS_FILE);
    }
    void add(const std::string& name) { write_file(install + "/library/" + name, "[items]\n"); }
    void include_only(std::initializer_list<int> indexes) {
        for (size_t i = 0; i < module_files.size(); ++i)
            set_module_included(module_files[i], false);
        for (int i : indexes) set_module_included(module_files[static_cast<size_t>(i)], true);
        rebuild_cycle_order();
    }
    std::string install;
};

TEST_F(ModuleLibrary, ListsModuleFilesSortedByNameIgnoringCase) {
    for (const char* name : {"snow-2.sv", "Galaxy-2.sv", "demo.sv", "notes.txt", "a.sv.bak"})
        add(name);
    mkdir((install + "/library/Galaxy-2").c_str(), 0755);
    refresh_module_list();
    ASSERT_EQ(module_files, (std::vector<std::string>{"demo.sv", "Galaxy-2.sv", "snow-2.sv"}));
    EXPECT_EQ(module_display_name(1), "Galaxy-2");
}

// A module saved under a new name shifts the indexes after it; cycling must not follow the
// old ones onto an excluded module.
TEST_F(ModuleLibrary, NewListsGetANewCycleOrder) {
    add("a.sv");
    add("c.sv");
    fill_module_lists();
    set_module_included("c.sv", true);
    rebuild_cycle_order();
    EXPECT_EQ(next_module, (std::vector<int>{1, 1}));
    add("b.sv");
    fill_module_lists();
    EXPECT_EQ(next_module, (std::vector<int>{2, 2, 2}));
    EXPECT_EQ(first_included_module, 2);
}

TEST_F(ModuleLibrary, CycleOrderFollowsTheIncludedModules) {
    for (int i = 0; i < 8; ++i) add("m" + std::to_string(i) + ".sv");
    refresh_module_list();

    include_only({2, 5, 7});
    EXPECT_EQ(first_included_module, 2);
    EXPECT_EQ(next_module, (std::vector<int>{-1, -1, 5, -1, -1, 7, -1, 2}));
    std::vector<int> targets;
    for (int i : {2, 5, 7}) targets.push_back(shuffled_module[static_cast<size_t>(i)]);
    std::sort(targets.begin(), targets.end());
    EXPECT_EQ(targets, (std::vector<int>{2, 5, 7}));
    for (int i : {0, 1, 3, 4, 6}) EXPECT_EQ(shuffled_module[static_cast<size_t>(i)], -1);

    include_only({4});
    EXPECT_EQ(next_module, std::vector<int>(8, 4));
    EXPECT_EQ(shuffled_module, std::vector<int>(8, 4));

    include_only({});
    EXPECT_EQ(next_module, std::vector<int>(8, 0));
    EXPECT_EQ(shuffled_module, std::vector<int>(8, 0));
    EXPECT_EQ(first_included_module, 0);
}

TEST_F(ModuleLibrary, ShuffleIsAPermutationForManyModules) {
    for (int i = 0; i < 40; ++i) add("m" + std::to_string(100 + i) + ".sv");
    refresh_module_list();
    std::initializer_list<int> all = {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13,
                                      14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27,
                                      28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39};
    include_only(all);
    std::vector<int> sorted = shuffled_module;
    std::sort(sorted.begin(), sorted.end());
    for (int i = 0; i < 40; ++i) EXPECT_EQ(sorted[static_cast<size_t>(i)], i);
    EXPECT_NE(shuffled_module, next_module);
}

} // namespace
