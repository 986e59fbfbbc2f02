#include "saver/model/install_paths.h"

#include "platform/paths.h"
#include "platform/profile.h"
#include "saver/model/settings.h"

std::string install_directory() {
    char path[500];
    get_private_profile_string("data", "path", "", path, sizeof path, SETTINGS_FILE);
    std::string directory = path;
    if (directory.empty()) directory = program_files_dir() + "/Solvantrix Screen Saver/";
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
