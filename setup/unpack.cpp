#include "setup/unpack.h"

#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/paths.h"
#include "platform/profile.h"
#include "setup/install_places.h"
#include "setup/launcher.h"
#include "setup/package_lists.h"
#include "setup/product_files.h"
#include "setup/remove_list.h"
#include "setup/setup_state.h"
#include "setup/uninstall_entry.h"
#include "setup/xscreensaver_entry.h"

#include <algorithm>
#include <cstring>
#include <sys/stat.h>
#include <sys/statvfs.h>

namespace {

constexpr uint64_t MEGABYTE = 1 << 20;
constexpr unsigned EXECUTABLE = 0755;

std::string remove_list; // the records written so far

std::string remove_list_path() {
    return install_dir + "/" + REMOVE_LIST_NAME;
}

bool write_carried(const char* name, const std::string& path, unsigned mode = 0644) {
    const ProductFile* file = find_product_file(name);
    return file && write_file_atomically(path, file->data, file->size, mode);
}

bool record(const std::string& path) {
    return append_remove_record(&remove_list, path);
}

std::string module_name(const char* package) {
    const std::string name = package;
    return name.substr(0, name.size() - 4); // without ".cmp"
}

// Every record must fit its length byte; checked before anything is written, so that a deep
// install directory fails at once instead of leaving a list that cannot name its files.
bool records_fit() {
    size_t longest = std::max(installed_program_path().size(), settings_file_path().size());
    longest = std::max(longest, install_dir.size() + std::strlen("/library/readme.txt"));
    for (int i = 0; i < count_list(PACKAGE_LIST); ++i) {
        const std::string module = module_name(PACKAGE_LIST[i]);
        // <dir>/library/<module>/<module>.pr1
        longest = std::max(longest, install_dir.size() + 14 + 2 * module.size());
    }
    return longest <= REMOVE_RECORD_MAX;
}

UnpackResult unpack_image(int index) {
    const std::string name = IMAGE_LIST[index];
    const std::string path = install_dir + "/images/" + name + image_extension(name.c_str());
    if (!write_carried(name.c_str(), path) || !record(path)) return UnpackResult::failed;
    return UnpackResult::ok;
}

UnpackResult unpack_package(int index) {
    const std::string module = module_name(PACKAGE_LIST[index]);
    const std::string library = install_dir + "/library/";
    const std::string data_dir = library + module;
    if (!make_directories(data_dir)) return UnpackResult::directory_failed;
    const ProductFile* package = find_product_file(PACKAGE_LIST[index]);
    const uint32_t* sizes = package_part_sizes();
    uint64_t total = 0;
    for (int part = 0; sizes && part < PACKAGE_PARTS; ++part)
        total += sizes[index * PACKAGE_PARTS + part];
    // A package whose length disagrees with its size table would be cut at the wrong places.
    if (!package || total != package->size) {
        message_box(nullptr, "resource notfound", (library + module + ".sv").c_str(), MB_OK);
        return UnpackResult::ok;
    }
    size_t at = 0;
    for (int part = 0; part < PACKAGE_PARTS; ++part) {
        const std::string path =
            (part == 0 ? library : data_dir + "/") + module + PACKAGE_PART_EXTENSIONS[part];
        const uint32_t size = sizes[index * PACKAGE_PARTS + part];
        if (!write_file_atomically(path, package->data + at, size) || !record(path))
            return UnpackResult::failed;
        at += size;
        // The module work file is made later by the screen-saver program; it goes with the
        // module on removal.
        if (part == 0 && !record(data_dir + "/" + module + ".ini")) return UnpackResult::failed;
    }
    return UnpackResult::ok;
}

bool write_remove_list() {
    return write_file_atomically(remove_list_path(), remove_list);
}

} // namespace

uint64_t required_free_space() {
    uint64_t total = MEGABYTE; // the remove list, the settings, the launcher, the directories
    for (const ProductFile* f = product_files_begin(); f != product_files_end(); ++f)
        total += f->size;
    return std::max<uint64_t>(total, 16 * MEGABYTE);
}

uint64_t free_space_of(const std::string& directory) {
    struct statvfs info {};
    if (statvfs(directory.c_str(), &info) != 0) return 0;
    return static_cast<uint64_t>(info.f_bavail) * info.f_frsize;
}

UnpackResult unpack_start() {
    remove_list.clear();
    if (!records_fit()) return UnpackResult::failed;
    const std::string program = installed_program_path();
    if (!write_carried("UNINSTAL.EXE", install_dir + "/" + REMOVER_NAME, EXECUTABLE))
        return UnpackResult::failed;
    if (!make_directories(program.substr(0, program.find_last_of('/'))) ||
        !write_carried("SCR.EXE", program, EXECUTABLE) || !record(program) || !write_remove_list())
        return UnpackResult::failed;
    if (!make_directories(install_dir + "/library")) return UnpackResult::directory_failed;
    const std::string readme = install_dir + "/library/readme.txt";
    if (!write_carried("README.TXT", readme) || !record(readme)) return UnpackResult::failed;
    if (!make_directories(install_dir + "/images")) return UnpackResult::directory_failed;
    return UnpackResult::ok;
}

int unpack_item_count() {
    return count_list(IMAGE_LIST) + count_list(PACKAGE_LIST);
}

UnpackResult unpack_item(int index) {
    const int images = count_list(IMAGE_LIST);
    return index < images ? unpack_image(index) : unpack_package(index - images);
}

UnpackResult unpack_finish() {
    if (!record(settings_file_path())) return UnpackResult::failed;
    close_remove_list(&remove_list);
    if (!write_remove_list()) return UnpackResult::failed;
    if (!create_launcher(install_dir)) return UnpackResult::failed;
    register_uninstall_entry(install_dir);
    register_with_xscreensaver(installed_program_path());
    return UnpackResult::ok;
}

void unpack_abandon() {
    close_remove_list(&remove_list);
    write_remove_list();
}

bool write_first_settings() {
    const std::string directory = install_dir;
    const std::string sound = directory + "/images/RUMBLE.WAV";
    const std::string path = directory + "/";
    const std::string module = directory + "/library/Anti-Light-4.sv";
    return write_private_profile_string("Items", "installpath", directory.c_str(), SETTINGS_FILE) &&
           write_private_profile_string("data", "sound", sound.c_str(), SETTINGS_FILE) &&
           write_private_profile_string("data", "soundenable", "1", SETTINGS_FILE) &&
           write_private_profile_string("data", "path", path.c_str(), SETTINGS_FILE) &&
           write_private_profile_string("data", "module", module.c_str(), SETTINGS_FILE) &&
           write_private_profile_string("data", "modsel", "0", SETTINGS_FILE) &&
           write_private_profile_string(nullptr, nullptr, nullptr, SETTINGS_FILE);
}
