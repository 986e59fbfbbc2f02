#include "saver/model/module_files.h"

#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/paths.h"
#include "platform/profile.h"
#include "saver/engine/engine_state.h"
#include "saver/model/model_state.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr unsigned ITEMS_TEXT_LIMIT = 10000;
constexpr unsigned VIEW_TEXT_LIMIT = 2000;

// Appends a section as the section reader gives it: each line, then the empty line.
void append_section(std::string& text, const char* section, unsigned limit) {
    std::vector<char> buffer(limit);
    const unsigned length =
        get_private_profile_section(section, buffer.data(), limit, module_work_file);
    for (unsigned at = 0; at < length;) {
        const std::string line(buffer.data() + at);
        text += line + "\r\n";
        at += static_cast<unsigned>(line.size()) + 1;
    }
    text += "\r\n";
}

std::string module_text() {
    std::string text = "[items]  \r\n";
    append_section(text, "items", ITEMS_TEXT_LIMIT);
    for (int view = 0; view < 8; ++view) {
        const std::string section = std::to_string(2000 + view);
        text += "[" + section + "]  \r\n";
        append_section(text, section.c_str(), VIEW_TEXT_LIMIT);
    }
    return text;
}

// Every file of a save is written beside its target first; only when all of them are whole
// do they replace the old ones, so a failed save leaves the old module as it was.
enum Staged { STAGED = 0, NOT_CREATED, NOT_WRITTEN };

struct StagedFiles {
    struct Stage {
        std::string target, temporary;
    };
    std::vector<Stage> stages;

    Staged add(const std::string& path, const void* bytes, size_t size) {
        std::string temporary;
        const TemporaryWrite written = write_temporary_beside(path, bytes, size, &temporary);
        if (written == TemporaryWrite::not_created) return NOT_CREATED;
        stages.push_back(Stage{path, temporary});
        return written == TemporaryWrite::written ? STAGED : NOT_WRITTEN;
    }
    bool commit() {
        bool ok = true;
        for (const Stage& stage : stages) {
            ok = std::rename(stage.temporary.c_str(), stage.target.c_str()) == 0 && ok;
            release_temporary(stage.temporary);
        }
        stages.clear();
        return ok;
    }
    ~StagedFiles() {
        for (const Stage& stage : stages) {
            std::remove(stage.temporary.c_str());
            release_temporary(stage.temporary);
        }
    }
};

// The stars each plane file holds: the most any View draws, plus two.
int stars_to_save(int save_mode) {
    if (save_mode == SAVE_FULL) return STAR_COUNT;
    if (save_mode == SAVE_NO_STARS) return 1;
    int largest = 0;
    for (int view = 0; view < 8; ++view) {
        char value[10];
        get_private_profile_string(std::to_string(2000 + view).c_str(), "track10", "0.000", value,
                                   sizeof value, module_work_file);
        const int total = std::atoi(value);
        if (view == 0 || total > largest) largest = total;
    }
    const int stars = largest + 2;
    return stars < 0 ? 0 : stars > STAR_COUNT ? STAR_COUNT : stars;
}

// A failed write (a full disk, a quota) would otherwise pass unnoticed and the user would
// believe the module saved; the old files are still whole, so the message says just that.
int write_failed() {
    message_box(nullptr, "Can not write the module; the old files are kept", "Error",
                MB_OK | MB_ICONWARNING);
    return SAVE_FAILED;
}

int side_file_failed(Staged staged) {
    if (staged == NOT_WRITTEN) return write_failed();
    message_box(nullptr, "Can not create a file", "Error", MB_OK | MB_ICONWARNING);
    return SAVE_FAILED;
}

} // namespace

int save_module(const char* path, int save_mode, const Rect& window) {
    if (std::string(path).size() < 4) return SAVE_NOT_CREATED;
    const auto put = [](const char* key, int value) {
        write_private_profile_string("items", key, std::to_string(value).c_str(), module_work_file);
    };
    put("appx", window.left);
    put("appy", window.top);
    put("appx1", window.right - window.left);
    put("appy1", window.bottom - window.top);
    write_private_profile_string(nullptr, nullptr, nullptr, module_work_file);

    StagedFiles staged;
    const std::string text = module_text();
    switch (staged.add(path, text.data(), text.size())) {
    case NOT_CREATED:
        return SAVE_NOT_CREATED;
    case NOT_WRITTEN:
        return write_failed();
    case STAGED:
        break;
    }

    char name[500];
    module_name_of(path, name, sizeof name);
    const std::string source(path);
    const std::string directory = source.substr(0, source.size() - 3) + "/";
    const std::string stem = directory + name;
    make_directories(directory);

    const int stars = stars_to_save(save_mode);
    static const char* const plane_files[PLANE_COUNT] = {".pr1", ".pr2", ".pr3",
                                                         ".pr4", ".pr5", ".pr6"};
    for (int plane = 0; plane < PLANE_COUNT; ++plane) {
        const Staged written =
            staged.add(stem + plane_files[plane], target_stars[plane], static_cast<size_t>(stars));
        if (written != STAGED) return side_file_failed(written);
    }
    const size_t words = recorded_length > 0 ? static_cast<size_t>(recorded_length) + 2 : 0;
    const Staged recording = staged.add(stem + ".pr8", recording_buffer, words * sizeof(int16_t));
    if (recording != STAGED) return side_file_failed(recording);
    return staged.commit() ? SAVE_DONE : write_failed();
}
