#include "platform/common/profile_file.h"

#include "platform/files.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <list>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct FileIdentity {
    dev_t device;
    ino_t inode;
    off_t size;
    long mtime_seconds;
    long mtime_nanoseconds;

    bool operator==(const FileIdentity& other) const {
        return device == other.device && inode == other.inode && size == other.size &&
               mtime_seconds == other.mtime_seconds && mtime_nanoseconds == other.mtime_nanoseconds;
    }
};

FileIdentity identity_of(const struct stat& info) {
    return {info.st_dev, info.st_ino, info.st_size, static_cast<long>(info.st_mtim.tv_sec),
            info.st_mtim.tv_nsec};
}

struct CachedFile {
    std::string path;
    FileIdentity identity;
    std::shared_ptr<const IniText> text;
};

// A View load reads one work file and the settings file over and over; a few entries cover
// every access pattern of the program.
constexpr std::size_t CACHE_ENTRIES = 8;
std::list<CachedFile> cache; // most recently used first

std::shared_ptr<const IniText> empty_text() {
    static const auto empty = std::make_shared<const IniText>();
    return empty;
}

void remember(const std::string& path, const FileIdentity& identity,
              std::shared_ptr<const IniText> text) {
    for (auto it = cache.begin(); it != cache.end(); ++it) {
        if (it->path == path) {
            cache.erase(it);
            break;
        }
    }
    cache.push_front({path, identity, std::move(text)});
    if (cache.size() > CACHE_ENTRIES) cache.pop_back();
}

std::shared_ptr<const IniText> cached(const std::string& path, const FileIdentity& identity) {
    for (auto it = cache.begin(); it != cache.end(); ++it) {
        if (it->path != path) continue;
        if (!(it->identity == identity)) return nullptr;
        cache.splice(cache.begin(), cache, it);
        return it->text;
    }
    return nullptr;
}

// Reads at most INI_MAX_BYTES + 1 bytes, so a file that grew past the limit since it was
// measured is recognised without reading it all.
bool read_bounded(int fd, std::string* bytes) {
    bytes->clear();
    char chunk[65536];
    while (bytes->size() <= INI_MAX_BYTES) {
        const ssize_t got = read(fd, chunk, sizeof chunk);
        if (got < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (got == 0) return true;
        bytes->append(chunk, static_cast<std::size_t>(got));
    }
    return false;
}

// A settings file that is a link (kept with the user's other configuration files) stays a
// link: the file it points to is the one replaced.
std::string replacement_target(const std::string& path) {
    struct stat info {};
    if (lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
    char* real = realpath(path.c_str(), nullptr);
    if (!real) return path;
    std::string target = real;
    std::free(real);
    return target;
}

} // namespace

std::shared_ptr<const IniText> load_profile(const std::string& path, ProfileLoad* status) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0) {
        *status = errno == ENOENT ? ProfileLoad::absent : ProfileLoad::refused;
        return empty_text();
    }
    *status = ProfileLoad::refused;
    if (!S_ISREG(info.st_mode) || static_cast<std::size_t>(info.st_size) > INI_MAX_BYTES) {
        return empty_text();
    }
    if (auto hit = cached(path, identity_of(info))) {
        *status = ProfileLoad::parsed;
        return hit;
    }
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return empty_text();
    std::string bytes;
    const bool complete =
        fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && read_bounded(fd, &bytes);
    close(fd);
    if (!complete) return empty_text();
    auto text = std::make_shared<IniText>();
    parse_ini(*text, std::move(bytes));
    remember(path, identity_of(info), text);
    *status = ProfileLoad::parsed;
    return text;
}

bool store_profile(const std::string& path, std::string bytes) {
    const std::string target = replacement_target(path);
    struct stat old {};
    const bool existed = stat(target.c_str(), &old) == 0;
    std::string temporary;
    const int fd = create_temporary_beside(target, 0666, &temporary);
    if (fd < 0) return false;
    // The rename alone keeps every reader from a half-written file; syncing to the disk waits
    // for the flush a batch of writes ends with, so a View save of a hundred keys stays quick.
    bool ok = (!existed || fchmod(fd, old.st_mode & 07777) == 0) &&
              write_all(fd, bytes.data(), bytes.size());
    ok = close(fd) == 0 && ok;
    ok = ok && rename(temporary.c_str(), target.c_str()) == 0;
    if (!ok) unlink(temporary.c_str());
    release_temporary(temporary);
    if (!ok) return false;
    struct stat now {};
    if (stat(path.c_str(), &now) == 0) {
        auto text = std::make_shared<IniText>();
        parse_ini(*text, std::move(bytes));
        remember(path, identity_of(now), text);
    }
    return true;
}

bool flush_profile(const std::string& path) {
    const std::string target = replacement_target(path);
    const int fd = open(target.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return errno == ENOENT;
    bool ok = fsync(fd) == 0;
    ok = close(fd) == 0 && ok;
    const std::string directory = target.substr(0, target.find_last_of('/') + 1);
    const int dir =
        open(directory.empty() ? "." : directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        fsync(dir);
        close(dir);
    }
    return ok;
}

bool restrict_profile_file(const std::string& path) {
    const std::string target = replacement_target(path);
    const int fd = open(target.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    bool ok = fchmod(fd, 0600) == 0;
    ok = close(fd) == 0 && ok;
    return ok;
}
