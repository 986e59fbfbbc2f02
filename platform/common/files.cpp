#include "platform/files.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <mutex>
#include <set>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool exists(const std::string& path) {
    struct stat info {};
    return lstat(path.c_str(), &info) == 0;
}

// The entry of `directory` named `name` regardless of case, or empty.
std::string entry_any_case(const std::string& directory, const std::string& name) {
    DIR* listing = opendir(directory.empty() ? "." : directory.c_str());
    if (!listing) return {};
    std::string found;
    while (const dirent* entry = readdir(listing)) {
        if (strcasecmp(entry->d_name, name.c_str()) != 0) continue;
        if (found.empty() || found > entry->d_name) found = entry->d_name;
    }
    closedir(listing);
    return found;
}

// The temporaries this process has open; a name of ours outside this set was left by an
// earlier process that had the same id.
std::mutex temporaries_lock;
std::set<std::string> temporaries_in_use;

bool in_use(const std::string& temporary) {
    std::lock_guard<std::mutex> hold(temporaries_lock);
    return temporaries_in_use.count(temporary) != 0;
}

// The writer's process id of a name "<prefix>PID-N", or 0 when the name is not of that form.
pid_t writer_of(const char* name, const std::string& prefix) {
    if (std::string(name).compare(0, prefix.size(), prefix) != 0) return 0;
    const char* at = name + prefix.size();
    long pid = 0;
    for (; *at >= '0' && *at <= '9'; ++at) {
        pid = pid * 10 + (*at - '0');
        if (pid > INT_MAX) return 0;
    }
    if (*at++ != '-' || *at == '\0') return 0;
    for (; *at; ++at)
        if (*at < '0' || *at > '9') return 0;
    return static_cast<pid_t>(pid);
}

bool writer_alive(pid_t pid) {
    return kill(pid, 0) == 0 || errno == EPERM;
}

// Removes the regular files among `directory`'s "<prefix>PID-N" whose writer is gone: its
// process has ended, or it is this process and the file is not one it has open. Links are
// never ours, so they stay.
void remove_dead_temporaries(const std::string& directory, const std::string& prefix) {
    DIR* listing = opendir(directory.empty() ? "." : directory.c_str());
    if (!listing) return;
    const int fd = dirfd(listing);
    const pid_t self = getpid();
    while (const dirent* entry = readdir(listing)) {
        const pid_t writer = writer_of(entry->d_name, prefix);
        if (writer <= 0) continue;
        if (writer == self ? in_use(directory + entry->d_name) : writer_alive(writer)) continue;
        struct stat info {};
        if (fstatat(fd, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(info.st_mode))
            continue;
        unlinkat(fd, entry->d_name, 0);
    }
    closedir(listing);
}

} // namespace

std::string find_path_any_case(const std::string& path) {
    if (path.empty() || exists(path)) return path;
    std::string resolved;
    size_t at = 0;
    if (path[0] == '/') {
        resolved = "/";
        at = 1;
    }
    while (at <= path.size()) {
        const size_t slash = path.find('/', at);
        const size_t end = slash == std::string::npos ? path.size() : slash;
        const std::string part = path.substr(at, end - at);
        if (!part.empty() && part != "." && part != "..") {
            std::string candidate = resolved + part;
            if (!exists(candidate)) {
                const std::string entry = entry_any_case(resolved, part);
                if (entry.empty()) return resolved + path.substr(at);
                candidate = resolved + entry;
            }
            resolved = candidate;
        } else {
            resolved += part;
        }
        if (slash == std::string::npos) break;
        resolved += "/";
        at = slash + 1;
    }
    return resolved;
}

bool keep_file_mode(const std::string& existing, const std::string& replacement) {
    struct stat info {};
    if (stat(existing.c_str(), &info) != 0) return errno == ENOENT;
    return chmod(replacement.c_str(), info.st_mode & 07777) == 0;
}

bool write_all(int fd, const void* bytes, size_t size) {
    const auto* next = static_cast<const unsigned char*>(bytes);
    while (size > 0) {
        const ssize_t written = write(fd, next, size);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        next += written;
        size -= static_cast<size_t>(written);
    }
    return true;
}

int create_temporary_beside(const std::string& path, unsigned mode, std::string* temporary) {
    static std::atomic<unsigned> counter{0};
    const std::string::size_type slash = path.find_last_of('/');
    const std::string directory = slash == std::string::npos ? "" : path.substr(0, slash + 1);
    const std::string prefix =
        "." + path.substr(slash == std::string::npos ? 0 : slash + 1) + ".tmp-";
    remove_dead_temporaries(directory, prefix);
    const std::string own = directory + prefix + std::to_string(getpid()) + "-";
    // After the clean-up a name of ours that exists is one this process is writing: take the next.
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name = own + std::to_string(counter++);
        std::lock_guard<std::mutex> hold(temporaries_lock);
        const int fd =
            open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, static_cast<mode_t>(mode));
        if (fd >= 0) {
            temporaries_in_use.insert(name);
            *temporary = name;
            return fd;
        }
        if (errno != EEXIST) return -1;
    }
    return -1;
}

void release_temporary(const std::string& temporary) {
    std::lock_guard<std::mutex> hold(temporaries_lock);
    temporaries_in_use.erase(temporary);
}

TemporaryWrite write_temporary_beside(const std::string& path, const void* bytes, size_t size,
                                      std::string* temporary) {
    const int fd = create_temporary_beside(path, 0666, temporary);
    if (fd < 0) return TemporaryWrite::not_created;
    // Synced before the rename, so that a file reported written also outlives a power cut.
    bool written = write_all(fd, bytes, size) && fsync(fd) == 0;
    written = close(fd) == 0 && written;
    written = written && keep_file_mode(path, *temporary);
    return written ? TemporaryWrite::written : TemporaryWrite::not_written;
}

bool write_file_atomically(const std::string& path, const void* bytes, size_t size, unsigned mode) {
    std::string temporary;
    const int fd = create_temporary_beside(path, 0600, &temporary);
    if (fd < 0) return false;
    bool written =
        write_all(fd, bytes, size) && fchmod(fd, static_cast<mode_t>(mode)) == 0 && fsync(fd) == 0;
    written = close(fd) == 0 && written;
    if (!written || rename(temporary.c_str(), path.c_str()) != 0) {
        unlink(temporary.c_str());
        release_temporary(temporary);
        return false;
    }
    release_temporary(temporary);
    return true;
}
