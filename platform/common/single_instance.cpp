// One copy per user: a lock file held for the life of the process, and a socket beside it on
// which later copies ask the first one to come to the front.
#include "platform/single_instance.h"
#include "platform/clock.h"
#include "platform/common/window_table.h"
#include "platform/window.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr char raise_request[] = "raise\n";
constexpr size_t request_limit = 64;
constexpr size_t pending_limit = 8;
constexpr uint64_t pending_timeout_ns = 2000000000ull;
constexpr int connect_attempts = 20;
constexpr unsigned connect_retry_ms = 50;

struct PendingRequest {
    int fd;
    uint64_t since_ns;
    std::string received;
};

int lock_fd = -1;
int listen_fd = -1;
std::string served_class;
std::vector<PendingRequest> pending;

bool private_directory(const std::string& path) {
    struct stat info {};
    return lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == getuid() &&
           (info.st_mode & 077) == 0;
}

// $XDG_RUNTIME_DIR when usable, else a private directory of our own under /tmp; empty when
// neither can be had.
std::string runtime_directory() {
    const char* xdg = std::getenv("XDG_RUNTIME_DIR");
    if (xdg && *xdg == '/') {
        struct stat info {};
        if (stat(xdg, &info) == 0 && S_ISDIR(info.st_mode) && access(xdg, W_OK | X_OK) == 0)
            return xdg;
    }
    std::string fallback = "/tmp/solvantrix-" + std::to_string(getuid());
    mkdir(fallback.c_str(), 0700);
    // Someone else's directory, or one others can write into, is not a place for our lock.
    return private_directory(fallback) ? fallback : std::string();
}

std::string file_stem(const char* class_name) {
    std::string stem = "solvantrix-";
    for (const char* c = class_name; *c && stem.size() < 64; ++c)
        stem += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
    return stem;
}

bool socket_address(const std::string& path, sockaddr_un* address) {
    if (path.size() >= sizeof(address->sun_path)) return false;
    std::memset(address, 0, sizeof *address);
    address->sun_family = AF_UNIX;
    std::memcpy(address->sun_path, path.c_str(), path.size() + 1);
    return true;
}

void listen_on(const std::string& path) {
    sockaddr_un address;
    if (!socket_address(path, &address)) return;
    int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) return;
    // We hold the lock, so a socket file left here belongs to a copy that has ended.
    unlink(path.c_str());
    if (bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(fd, static_cast<int>(pending_limit)) != 0) {
        close(fd);
        return;
    }
    listen_fd = fd;
}

void ask_first_copy(const std::string& path) {
    sockaddr_un address;
    if (!socket_address(path, &address)) return;
    // The first copy may hold the lock but not listen yet: try for about a second.
    for (int attempt = 0; attempt < connect_attempts; ++attempt) {
        int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd < 0) return;
        if (connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) {
            send(fd, raise_request, sizeof raise_request - 1, MSG_NOSIGNAL);
            close(fd);
            return;
        }
        close(fd);
        sleep_ms(connect_retry_ms);
    }
}

bool same_user(int fd) {
    ucred peer{};
    socklen_t size = sizeof peer;
    return getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && peer.uid == getuid();
}

void accept_new_requests() {
    for (;;) {
        int fd = accept4(listen_fd, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd < 0) return;
        if (pending.size() >= pending_limit || !same_user(fd)) {
            close(fd);
            continue;
        }
        pending.push_back({fd, query_performance_counter(), {}});
    }
}

void raise_window() {
    Hwnd window = find_window(served_class.c_str());
    if (window && window_restore_and_raise) window_restore_and_raise(window);
}

// Reads what has arrived without waiting; true when the request is finished with.
bool read_request(PendingRequest& request) {
    char buffer[request_limit];
    for (;;) {
        ssize_t got = recv(request.fd, buffer, sizeof buffer, 0);
        if (got < 0) {
            if (errno == EINTR) continue;
            bool waiting = errno == EAGAIN || errno == EWOULDBLOCK;
            return !waiting || query_performance_counter() - request.since_ns > pending_timeout_ns;
        }
        if (got > 0)
            request.received.append(buffer, std::min(static_cast<size_t>(got),
                                                     request_limit - request.received.size()));
        if (request.received.find('\n') != std::string::npos || got == 0 ||
            request.received.size() >= request_limit) {
            if (request.received == raise_request) raise_window();
            return true;
        }
    }
}

} // namespace

bool single_instance_acquire(const char* class_name) {
    if (lock_fd >= 0) return true;
    if (!class_name) class_name = "";
    std::string directory = runtime_directory();
    // Without a place for the lock we cannot tell; running is better than refusing to.
    if (directory.empty()) return true;
    std::string stem = directory + "/" + file_stem(class_name);
    int fd = open((stem + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) return true;
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        int reason = errno;
        close(fd);
        if (reason != EWOULDBLOCK) return true;
        ask_first_copy(stem + ".sock");
        return false;
    }
    lock_fd = fd;
    served_class = class_name;
    listen_on(stem + ".sock");
    return true;
}

void single_instance_serve() {
    if (listen_fd < 0) return;
    accept_new_requests();
    for (size_t i = 0; i < pending.size();) {
        if (read_request(pending[i])) {
            close(pending[i].fd);
            pending.erase(pending.begin() + static_cast<long>(i));
        } else {
            ++i;
        }
    }
}
