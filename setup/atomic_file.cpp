#include "setup/atomic_file.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool write_all(int fd, const unsigned char* bytes, size_t size) {
    while (size > 0) {
        const ssize_t written = write(fd, bytes, size);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes += written;
        size -= static_cast<size_t>(written);
    }
    return true;
}

} // namespace

bool write_file_atomically(const std::string& path, const void* bytes, size_t size, unsigned mode) {
    const std::string::size_type slash = path.find_last_of('/');
    const std::string directory = slash == std::string::npos ? "." : path.substr(0, slash);
    const std::string leaf = slash == std::string::npos ? path : path.substr(slash + 1);
    std::string temporary = directory + "/." + leaf + ".XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0) return false;
    bool written = write_all(fd, static_cast<const unsigned char*>(bytes), size) &&
                   fchmod(fd, static_cast<mode_t>(mode)) == 0 && fsync(fd) == 0;
    written = close(fd) == 0 && written;
    if (!written || rename(temporary.c_str(), path.c_str()) != 0) {
        unlink(temporary.c_str());
        return false;
    }
    return true;
}
