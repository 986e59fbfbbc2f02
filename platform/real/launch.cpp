// The desktop opens documents through xdg-open. It usually hands the file on and ends at
// once; a failure shows as its exit code. It is given a short while to report one, never
// waited for beyond that, and reaped later so it leaves no zombie behind.
#include "platform/launch.h"

#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <ctime>
#include <vector>

extern char** environ;

namespace {

constexpr int REPORT_WAIT_MS = 1500;
constexpr int POLL_MS = 50;

std::vector<pid_t> unreaped;

void reap_finished() {
    for (size_t i = 0; i < unreaped.size();)
        if (waitpid(unreaped[i], nullptr, WNOHANG) != 0)
            unreaped.erase(unreaped.begin() + static_cast<long>(i));
        else
            ++i;
}

} // namespace

bool open_document(const char* path) {
    reap_finished();
    struct stat info {};
    if (!path || stat(path, &info) != 0 || !S_ISREG(info.st_mode)) return false;
    char opener[] = "xdg-open";
    std::vector<char> file(path, path + std::strlen(path) + 1);
    char* argv[] = {opener, file.data(), nullptr};
    pid_t child = 0;
    if (posix_spawnp(&child, opener, nullptr, nullptr, argv, environ) != 0) return false;
    for (int waited = 0; waited < REPORT_WAIT_MS; waited += POLL_MS) {
        int status = 0;
        if (waitpid(child, &status, WNOHANG) == child)
            return WIFEXITED(status) && WEXITSTATUS(status) == 0;
        const timespec pause{0, POLL_MS * 1000000L};
        nanosleep(&pause, nullptr);
    }
    unreaped.push_back(child);
    return true;
}
