#include "setup/install_places.h"

#include "platform/paths.h"
#include "platform/profile.h"

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

const char* install_dir_fault(const std::string& dir) {
    if (dir.size() > INSTALL_DIR_MAX_LENGTH)
        return "The chosen directory cannot be used: its path is longer than 199 characters.\n"
               "Choose a shorter one.";
    if (!private_profile_value_kept(dir.c_str()))
        return "The chosen directory cannot be used: its name ends in a blank or holds a line "
               "break.\nChoose another one.";
    return nullptr;
}
