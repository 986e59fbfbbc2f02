#include "platform/paths.h"

#include <cerrno>
#include <cstdlib>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string without_final_slashes(std::string path) {
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

} // namespace

std::string home_directory() {
    const char* home = std::getenv("HOME");
    if (home && *home) return without_final_slashes(home);
    if (const passwd* entry = getpwuid(getuid())) {
        if (entry->pw_dir && *entry->pw_dir) return without_final_slashes(entry->pw_dir);
    }
    return "/tmp";
}

namespace {

// The XDG base directory rules: an unset, empty or relative value falls back to the default.
std::string xdg_directory(const char* variable, const char* default_below_home) {
    const char* value = std::getenv(variable);
    if (value && value[0] == '/') return without_final_slashes(value);
    return home_directory() + default_below_home;
}

bool is_directory(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

} // namespace

std::string windows_directory() {
    std::string directory = xdg_directory("XDG_CONFIG_HOME", "/.config") + "/solvantrix";
    make_directories(directory);
    return directory;
}

std::string program_files_dir() {
    return xdg_directory("XDG_DATA_HOME", "/.local/share");
}

std::string state_home() {
    return xdg_directory("XDG_STATE_HOME", "/.local/state");
}

std::string resolve_profile_path(const std::string& name) {
    if (name.find_first_of("/\\") != std::string::npos) return name;
    return windows_directory() + "/" + name;
}

bool make_directories(const std::string& path) {
    if (path.empty()) return false;
    if (is_directory(path)) return true;
    for (std::string::size_type slash = path.find('/', 1); slash != std::string::npos;
         slash = path.find('/', slash + 1)) {
        mkdir(path.substr(0, slash).c_str(), 0777);
    }
    if (mkdir(path.c_str(), 0777) != 0 && errno != EEXIST) return false;
    return is_directory(path);
}

std::string program_directory() {
    char path[4096];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0) return std::string();
    std::string directory(path, static_cast<size_t>(length));
    return directory.substr(0, directory.find_last_of('/'));
}
