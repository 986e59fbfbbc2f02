// A module save and the settings writes interrupted at random moments by SIGKILL, and a save
// that runs out of disk: every file is afterwards wholly what one complete write left there.
#include "platform/headless.h"
#include "platform/profile.h"
#include "saver/engine/engine_state.h"
#include "saver/model/model_state.h"
#include "saver/model/module_files.h"
#include "saver/model/settings.h"
#include "tests/support/test_env.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <random>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int KILL_ROUNDS = 100;
constexpr int RECORDED_WORDS = 20000;
const char* const SIDE_FILES[] = {".pr1", ".pr2", ".pr3", ".pr4", ".pr5", ".pr6", ".pr8"};

// What one save writes; the two generations differ in every file.
struct Generation {
    uint8_t star;
    int16_t word;
    int track10;
    std::string shell0, settings_module, cycle_timer;
};

const Generation GENERATIONS[2] = {
    {0xA1, 0x0A0A, 1111, "images\\" + std::string(300, 'a') + ".TGA",
     "/library/" + std::string(400, 'm') + ".sv", "30"},
    {0xB2, 0x0B0B, 2222, "images\\" + std::string(200, 'b') + ".TGA",
     "/library/" + std::string(250, 'n') + ".sv", "45"},
};

// Returns what the module save reported.
int write_generation(const Generation& g, const std::string& module) {
    std::memset(target_stars, g.star, sizeof target_stars);
    std::fill(recording_buffer, recording_buffer + RECORDING_WORDS, g.word);
    recorded_length = RECORDED_WORDS;
    write_private_profile_string("2000", "track10", std::to_string(g.track10).c_str(),
                                 module_work_file);
    write_private_profile_string("items", "shell0", g.shell0.c_str(), module_work_file);
    const int saved = save_module(module.c_str(), SAVE_FULL, Rect{10, 20, 650, 420});
    write_private_profile_string("data", "module", g.settings_module.c_str(), SETTINGS_FILE);
    write_private_profile_string("cycle", "timer", g.cycle_timer.c_str(), SETTINGS_FILE);
    write_private_profile_string(nullptr, nullptr, nullptr, SETTINGS_FILE);
    return saved;
}

// Which generation a file holds whole, or -1 when it holds neither.
int generation_of_plane(const std::string& bytes) {
    for (int g = 0; g < 2; ++g)
        if (bytes == std::string(STAR_COUNT, static_cast<char>(GENERATIONS[g].star))) return g;
    return -1;
}

int generation_of_recording(const std::string& bytes) {
    for (int g = 0; g < 2; ++g) {
        std::string expected((RECORDED_WORDS + 2) * 2, '\0');
        for (size_t i = 0; i < expected.size(); i += 2)
            std::memcpy(&expected[i], &GENERATIONS[g].word, 2);
        if (bytes == expected) return g;
    }
    return -1;
}

int generation_of_module_text(const std::string& path) {
    const std::string text = read_file(path);
    if (text.rfind("[items]  \r\n", 0) != 0 || text.size() < 4 ||
        text.compare(text.size() - 4, 4, "\r\n\r\n") != 0)
        return -1;
    for (int view = 0; view < 8; ++view)
        if (!private_profile_section_exists(std::to_string(2000 + view).c_str(), path.c_str()))
            return -1;
    char shell0[500];
    get_private_profile_string("items", "shell0", "", shell0, sizeof shell0, path.c_str());
    const int track10 = get_private_profile_int("2000", "track10", -1, path.c_str());
    for (int g = 0; g < 2; ++g)
        if (track10 == GENERATIONS[g].track10 && GENERATIONS[g].shell0 == shell0) return g;
    return -1;
}

// Settings are stored key by key, so each key on its own must be one generation's, whole.
bool settings_whole() {
    char module[500], timer[8];
    get_private_profile_string("data", "module", "", module, sizeof module, SETTINGS_FILE);
    get_private_profile_string("cycle", "timer", "", timer, sizeof timer, SETTINGS_FILE);
    bool module_whole = false, timer_whole = false;
    for (const Generation& g : GENERATIONS) {
        module_whole = module_whole || g.settings_module == module;
        timer_whole = timer_whole || g.cycle_timer == timer;
    }
    return module_whole && timer_whole;
}

// The staged files of a module save ("<file>.tmp") and the profile writes' temporaries
// (".<file>.tmp-<pid>-<n>").
std::vector<std::string> leftover_temporaries(const std::string& directory) {
    std::vector<std::string> found;
    DIR* dir = opendir(directory.c_str());
    if (!dir) return found;
    while (dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (name.find(".tmp") != std::string::npos) found.push_back(name);
    }
    closedir(dir);
    return found;
}

class CrashSafeSave : public ::testing::Test {
  protected:
    void SetUp() override {
        const std::string install = install_fixture_library();
        // Without a GL context the backdrop cannot be built; the saves do not need it.
        std::remove((install + "/images/NEBULA.TGA").c_str());
        module = install + "/library/Hand-Made.sv";
        data_dir = install + "/library/Hand-Made/";
        int without_stars = 0;
        ASSERT_EQ(load_module(module.c_str(), &without_stars), 1);
        write_generation(GENERATIONS[0], module);
    }

    // The generation every module file holds, or -1 when one is not whole.
    std::vector<int> module_generations() const {
        std::vector<int> found{generation_of_module_text(module)};
        for (const char* extension : SIDE_FILES) {
            const std::string bytes = read_file(data_dir + "Hand-Made" + extension);
            found.push_back(std::strcmp(extension, ".pr8") == 0 ? generation_of_recording(bytes)
                                                                : generation_of_plane(bytes));
        }
        return found;
    }

    std::string module, data_dir;
};

TEST_F(CrashSafeSave, EveryFileIsWhollyOldOrNewAfterAKillAtAnyMoment) {
    std::mt19937 random(std::random_device{}());
    std::uniform_int_distribution<int> delay_us(0, 30000);
    int seen[2] = {0, 0};
    for (int round = 0; round < KILL_ROUNDS; ++round) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            prctl(PR_SET_PDEATHSIG, SIGKILL);
            for (int g = 1;; g ^= 1) write_generation(GENERATIONS[g], module);
        }
        usleep(static_cast<useconds_t>(delay_us(random)));
        ASSERT_EQ(kill(child, SIGKILL), 0);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status));

        for (int g : module_generations()) {
            ASSERT_NE(g, -1) << "a module file is not whole after the kill of round " << round;
            ++seen[g];
        }
        ASSERT_TRUE(settings_whole()) << "the settings are not whole after round " << round;
    }
    // Both generations turned up, so the kills did land among the saves.
    EXPECT_GT(seen[0], 0);
    EXPECT_GT(seen[1], 0);

    // What a killed save left beside the files does not stand in the way of the next one.
    write_generation(GENERATIONS[1], module);
    EXPECT_EQ(module_generations(), std::vector<int>(8, 1));
    EXPECT_TRUE(leftover_temporaries(data_dir).empty());
}

// A file size limit makes writes fail part way, as a full disk does: first the module text
// itself, then a side file after the text was written. The caller learns that the save failed.
TEST_F(CrashSafeSave, AFailedWriteKeepsTheOldFilesAndSaysSo) {
    for (rlim_t limit : {rlim_t{1000}, rlim_t{STAR_COUNT / 2}}) {
        headless_clear_message_boxes();
        const int result =
            with_file_size_limit(limit, [&] { return write_generation(GENERATIONS[1], module); });

        EXPECT_EQ(result, SAVE_FAILED) << "limit " << limit;
        ASSERT_EQ(headless_message_boxes().size(), 1u) << "limit " << limit;
        EXPECT_EQ(headless_message_boxes()[0].caption, "Error");
        headless_clear_message_boxes();
        EXPECT_EQ(module_generations(), std::vector<int>(8, 0)) << "limit " << limit;
        EXPECT_TRUE(leftover_temporaries(data_dir).empty()) << "limit " << limit;
        EXPECT_TRUE(leftover_temporaries(data_dir + "..").empty()) << "limit " << limit;
    }
}

} // namespace
