#include "saver/model/install_paths.h"

#include "platform/paths.h"
#include "platform/profile.h"
#include "saver/model/settings.h"

#include <sys/stat.h>

namespace {

bool is_directory(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// Without an install, the product tree that ships beside the program: the build tree's, or
// the one of an installed build; else where an install would have put it.
std::string shipped_product_tree() {
    const std::string program = program_directory();
    for (const std::string& tree : {program + "/product/", program + "/../share/solvantrix/"})
        if (!program.empty() && is_directory(tree + "library")) return tree;
    return program_files_dir() + "/Solvantrix Screen Saver/";
}

std::string configured_path() {
    char path[500];
    get_private_profile_string("data", "path", "", path, sizeof path, SETTINGS_FILE);
    return path;
}

// The per-user side of a shipped install, beside the default install directory.
std::string user_data_directory() {
    return program_files_dir() + "/solvantrix/";
}

} // namespace

bool shipped_install() {
    return configured_path().empty();
}

std::string install_directory() {
    std::string directory = configured_path();
    if (directory.empty()) directory = shipped_product_tree();
    const char last = directory.back();
    if (last != '/' && last != '\\') directory += '/';
    return directory;
}

std::string module_library() {
    return install_directory() + "library/";
}

std::string default_module_path() {
    return module_library() + "demo.sv";
}

std::string user_module_library() {
    return shipped_install() ? user_data_directory() + "library/" : module_library();
}

std::string user_image_directory() {
    return shipped_install() ? user_data_directory() + "images/" : install_directory() + "images/";
}
