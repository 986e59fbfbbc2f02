#include "saver/model/module_files.h"

#include "platform/files.h"
#include "platform/profile.h"
#include "platform/window.h"
#include "saver/engine/backdrop.h"
#include "saver/engine/engine_state.h"
#include "saver/model/model_state.h"
#include "saver/model/view.h"
#include "saver/model/work_copies.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Module texts are a few kilobytes; anything far larger is not a module and is refused
// rather than copied.
constexpr long MAX_MODULE_TEXT = 4L * 1024 * 1024;
constexpr long MAX_RECORDING_BYTES = 128000;

void copy_text(char* target, unsigned size, const std::string& text) {
    std::snprintf(target, size, "%s", text.c_str());
}

long file_size(FILE* file) {
    struct stat info {};
    if (fstat(fileno(file), &info) != 0 || !S_ISREG(info.st_mode)) return -1;
    return static_cast<long>(info.st_size);
}

bool read_whole(const char* path, std::string* bytes) {
    FILE* file = std::fopen(path, "rb");
    if (!file) return false;
    const long size = file_size(file);
    bool ok = size > 0 && size <= MAX_MODULE_TEXT;
    if (ok) {
        bytes->assign(static_cast<size_t>(size), '\0');
        ok = std::fread(bytes->data(), 1, bytes->size(), file) == bytes->size();
    }
    std::fclose(file);
    return ok;
}

// The work file replaces the old one only once it is whole. Its temporary is this process's own:
// a screen saver and the editor may load the same module at the same moment.
bool write_work_file(const std::string& bytes) {
    std::string temporary;
    const int fd = create_temporary_beside(module_work_file, 0666, &temporary);
    if (fd < 0) return false;
    bool ok = write_all(fd, bytes.data(), bytes.size());
    ok = close(fd) == 0 && ok;
    ok = ok && keep_file_mode(module_work_file, temporary);
    ok = ok && std::rename(temporary.c_str(), module_work_file) == 0;
    if (!ok) std::remove(temporary.c_str());
    release_temporary(temporary);
    return ok;
}

// Reads up to `capacity` bytes of a side file that must exist; -1 when it cannot be read.
long read_side_file(const char* extension, void* target, long capacity) {
    const std::string path =
        find_path_any_case(std::string(module_data_dir) + module_name + extension);
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return -1;
    long size = file_size(file);
    if (size > capacity) size = capacity;
    long got = size;
    if (size > 0) got = static_cast<long>(std::fread(target, 1, static_cast<size_t>(size), file));
    std::fclose(file);
    return got == size ? size : -1;
}

int fail() {
    module_path[0] = '\0';
    return 0;
}

// The side files are read from the module's data directory in the library; the work file is
// this copy's own (see work_copies.h), never one in the library. False when there is no place
// for it.
bool derive_module_paths(const char* path) {
    copy_text(module_path, sizeof module_path, path);
    module_name_of(path, module_name, sizeof module_name);
    const size_t length = std::strlen(path);
    const std::string stem(path, length >= 3 ? length - 3 : 0);
    copy_text(module_data_dir, sizeof module_data_dir, find_path_any_case(stem) + "/");
    const std::string directory = work_directory();
    copy_text(module_work_file, sizeof module_work_file,
              directory.empty() ? std::string() : directory + module_name + ".ini");
    return !directory.empty();
}

} // namespace

void module_name_of(const char* path, char* name, unsigned size) {
    const char* start = path;
    for (const char* p = path; *p; ++p)
        if (*p == '\\' || *p == '/') start = p + 1;
    const size_t length = std::strlen(start);
    std::snprintf(name, size, "%.*s", static_cast<int>(length >= 3 ? length - 3 : 0), start);
}

int load_module(const char* path, int* saved_without_stars) {
    *saved_without_stars = 0;
    backdrop_hold = 1;
    const std::string on_disk = find_path_any_case(path);
    const bool work_place = derive_module_paths(on_disk.c_str());
    if (control_window)
        set_window_text(control_window, (std::string("Module: ") + module_name).c_str());

    std::string text;
    if (!work_place || !read_whole(on_disk.c_str(), &text)) return fail();
    if (!write_work_file(text)) return fail();

    static const char* const plane_files[PLANE_COUNT] = {".pr1", ".pr2", ".pr3",
                                                         ".pr4", ".pr5", ".pr6"};
    for (int plane = 0; plane < PLANE_COUNT; ++plane) {
        const long size = read_side_file(plane_files[plane], target_stars[plane], STAR_COUNT);
        if (size < 0) return fail();
        if (plane == PLANE_XH && size == 1) *saved_without_stars = 1;
    }

    // An empty recording file keeps the previous module's recording.
    const long bytes = read_side_file(".pr8", recording_buffer, MAX_RECORDING_BYTES);
    if (bytes < 0) return fail();
    if (bytes > 0) recorded_length = static_cast<int>(bytes / 2);

    get_private_profile_string("items", "shell0", "", backdrop_path, sizeof backdrop_path,
                               module_work_file);
    balls1 = get_private_profile_int("items", "balls1", 0, module_work_file);
    backdrop_resolution = get_private_profile_int("items", "reshape", 60, module_work_file);
    // A module without an image of its own must not show the previous module's.
    if (std::strlen(backdrop_path) > 2)
        load_backdrop_image(backdrop_path);
    else
        backdrop_image_loaded = 0;
    return 1;
}
