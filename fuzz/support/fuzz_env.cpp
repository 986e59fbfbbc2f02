#include "fuzz/support/fuzz_env.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The exit handler runs after static strings are destroyed, so it keeps its own copy.
char scratch_to_remove[128];

void remove_scratch() {
    const std::string command = std::string("rm -rf '") + scratch_to_remove + "'";
    if (std::system(command.c_str()) != 0)
        std::fprintf(stderr, "left %s behind\n", scratch_to_remove);
}

// Memory-backed when the machine has it: some targets write files on every run.
std::string scratch_parent() {
    const char* tmp = std::getenv("TMPDIR");
    if (tmp && *tmp == '/') return tmp;
    return access("/dev/shm", W_OK | X_OK) == 0 ? "/dev/shm" : "/tmp";
}

std::string make_scratch() {
    std::string pattern = scratch_parent() + "/solvantrix-fuzz-XXXXXX";
    if (pattern.size() >= sizeof scratch_to_remove || !mkdtemp(pattern.data())) std::abort();
    for (const char* sub : {"/config", "/data", "/runtime"}) mkdir((pattern + sub).c_str(), 0700);
    setenv("XDG_CONFIG_HOME", (pattern + "/config").c_str(), 1);
    setenv("XDG_DATA_HOME", (pattern + "/data").c_str(), 1);
    setenv("XDG_RUNTIME_DIR", (pattern + "/runtime").c_str(), 1);
    setenv("HOME", pattern.c_str(), 1);
    std::snprintf(scratch_to_remove, sizeof scratch_to_remove, "%s", pattern.c_str());
    std::atexit(remove_scratch);
    return pattern;
}

} // namespace

const std::string& fuzz_scratch() {
    static const std::string scratch = make_scratch();
    return scratch;
}

bool write_bytes(const std::string& path, const uint8_t* data, size_t size) {
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    size_t done = 0;
    while (done < size) {
        const ssize_t put = write(fd, data + done, size - done);
        if (put <= 0) break;
        done += static_cast<size_t>(put);
    }
    return close(fd) == 0 && done == size;
}
