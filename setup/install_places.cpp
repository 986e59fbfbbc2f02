#include "setup/install_places.h"

#include "platform/paths.h"

std::string installed_program_path() {
    return home_directory() + "/.local/bin/solvantrix";
}

std::string settings_file_path() {
    return resolve_profile_path(SETTINGS_FILE);
}

std::string launcher_directory() {
    return program_files_dir() + "/applications";
}

std::string launcher_path() {
    return launcher_directory() + "/solvantrix.desktop";
}

std::string default_install_dir() {
    return program_files_dir() + "/" + INSTALL_DIR_NAME;
}
