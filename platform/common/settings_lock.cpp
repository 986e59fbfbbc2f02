#include "platform/settings_lock.h"

#include "platform/paths.h"

#include <cerrno>
#include <fcntl.h>
#include <mutex>
#include <sys/file.h>
#include <unistd.h>

namespace {

std::recursive_mutex within_process;
int depth;
int directory_fd = -1;

} // namespace

SettingsLock::SettingsLock() {
    within_process.lock();
    if (depth++ > 0) return;
    directory_fd = open(windows_directory().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (directory_fd < 0) return;
    while (flock(directory_fd, LOCK_EX) != 0) {
        if (errno != EINTR) {
            close(directory_fd);
            directory_fd = -1;
            return;
        }
    }
}

SettingsLock::~SettingsLock() {
    if (--depth == 0 && directory_fd >= 0) {
        close(directory_fd); // closing the only descriptor releases the lock
        directory_fd = -1;
    }
    within_process.unlock();
}
