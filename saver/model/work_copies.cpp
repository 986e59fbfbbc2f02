#include "saver/model/work_copies.h"

#include "platform/paths.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr const char* COPY_PREFIX = "copy-";
constexpr const char* LIVE_MARK = ".live"; // held locked by the copy for its whole run

WorkCopies chosen = WorkCopies::PRIVATE;
std::string private_directory; // with a final "/", empty until made
int live_mark = -1;
bool exit_cleanup_registered = false;

// A directory of ours alone: made with mode 0700 when absent, refused when it is a link,
// someone else's or open to others (a shared /tmp must not let another user plant files).
bool own_private_directory(const std::string& path) {
    if (mkdir(path.c_str(), 0700) != 0 && errno != EEXIST) return false;
    struct stat info {};
    return lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == getuid() &&
           (info.st_mode & 077) == 0;
}

// Where private directories are made, tried in order: the per-user runtime directory (memory,
// gone at logout), the state directory, a directory of this user in /tmp (a home that cannot
// be written must not keep a host's saver from playing).
std::vector<std::string> private_parents() {
    std::vector<std::string> parents;
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && runtime[0] == '/') parents.push_back(std::string(runtime) + "/solvantrix");
    parents.push_back(state_home() + "/solvantrix/copies");
    parents.push_back("/tmp/solvantrix-" + std::to_string(getuid()));
    return parents;
}

void remove_flat_directory(const std::string& path) {
    if (DIR* directory = opendir(path.c_str())) {
        while (const dirent* entry = readdir(directory)) {
            const std::string name = entry->d_name;
            if (name != "." && name != "..") unlink((path + "/" + name).c_str());
        }
        closedir(directory);
    }
    rmdir(path.c_str());
}

// A copy's directory whose copy was killed: no process holds its live mark, and the process
// its name gives has ended (a copy just starting holds no mark yet, and copies on several
// monitors start at the same moment).
bool abandoned(const std::string& path) {
    const long pid =
        std::strtol(path.c_str() + path.rfind(COPY_PREFIX) + std::strlen(COPY_PREFIX), nullptr, 10);
    if (pid <= 0 || kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH) return false;
    const int fd = open((path + "/" + LIVE_MARK).c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) return true;
    const bool free = flock(fd, LOCK_EX | LOCK_NB) == 0;
    close(fd);
    return free;
}

void clear_abandoned(const std::string& parent) {
    DIR* directory = opendir(parent.c_str());
    if (!directory) return;
    std::vector<std::string> found;
    while (const dirent* entry = readdir(directory))
        if (std::strncmp(entry->d_name, COPY_PREFIX, std::strlen(COPY_PREFIX)) == 0)
            found.push_back(parent + "/" + entry->d_name);
    closedir(directory);
    for (const std::string& path : found)
        if (abandoned(path)) remove_flat_directory(path);
}

void remove_private_directory() {
    if (private_directory.empty()) return;
    remove_flat_directory(private_directory.substr(0, private_directory.size() - 1));
    private_directory.clear();
    if (live_mark >= 0) close(live_mark);
    live_mark = -1;
}

bool make_private_directory(const std::string& parent) {
    if (!make_directories(parent.substr(0, parent.rfind('/'))) || !own_private_directory(parent))
        return false;
    clear_abandoned(parent);
    std::string pattern = parent + "/" + COPY_PREFIX + std::to_string(getpid()) + "-XXXXXX";
    if (!mkdtemp(pattern.data())) return false;
    live_mark = open((pattern + "/" + LIVE_MARK).c_str(),
                     O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (live_mark < 0 || flock(live_mark, LOCK_EX) != 0) {
        if (live_mark >= 0) close(live_mark);
        live_mark = -1;
        remove_flat_directory(pattern);
        return false;
    }
    private_directory = pattern + "/";
    if (!exit_cleanup_registered)
        exit_cleanup_registered = std::atexit(remove_private_directory) == 0;
    return true;
}

} // namespace

void use_work_copies(WorkCopies kind) {
    chosen = kind;
}

std::string work_directory() {
    if (chosen == WorkCopies::PER_USER) {
        const std::string directory = state_home() + "/solvantrix/work";
        return make_directories(directory) ? directory + "/" : std::string();
    }
    if (!private_directory.empty()) return private_directory;
    for (const std::string& parent : private_parents())
        if (make_private_directory(parent)) return private_directory;
    return std::string();
}

void end_work_copies() {
    remove_private_directory();
}
