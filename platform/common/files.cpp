#include "platform/files.h"

#include <cerrno>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
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

bool write_file_atomically(const std::string& path, const void* bytes, size_t size, unsigned mode) {
    const std::string::size_type slash = path.find_last_of('/');
    const std::string directory = slash == std::string::npos ? "." : path.substr(0, slash);
    const std::string leaf = slash == std::string::npos ? path : path.substr(slash + 1);
    std::string temporary = directory + "/." + leaf + ".XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0) return false;
    bool written =
        write_all(fd, bytes, size) && fchmod(fd, static_cast<mode_t>(mode)) == 0 && fsync(fd) == 0;
    written = close(fd) == 0 && written;
    if (!written || rename(temporary.c_str(), path.c_str()) != 0) {
        unlink(temporary.c_str());
        return false;
    }
    return true;
}
