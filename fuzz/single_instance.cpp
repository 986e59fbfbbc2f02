// The request a later copy sends to the first one: any bytes over the real socket, delivered
// in pieces. The first byte says where the bytes are cut; the last piece may stay unfinished
// while the next requests arrive.
#include "platform/single_instance.h"
#include "fuzz/support/fuzz_env.h"
#include "platform/common/window_table.h"
#include "platform/window.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

constexpr char CLASS_NAME[] = "FuzzClass";

int connect_to_first_copy() {
    static const std::string path = fuzz_scratch() + "/runtime/solvantrix-FuzzClass.sock";
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) std::abort();
    if (connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) std::abort();
    return fd;
}

Lresult quiet_window(Hwnd, unsigned, Wparam, Lparam) {
    return 0;
}

int raises = 0;
void count_raise(Hwnd) {
    ++raises;
}

// The first copy as it runs: holding the lock, with a window of the class for a request to
// raise.
bool become_first_copy() {
    fuzz_scratch();
    register_class(CLASS_NAME, quiet_window);
    window_restore_and_raise = count_raise;
    return create_window(CLASS_NAME, "first", 0, 0, 0, 100, 100, nullptr) != nullptr &&
           single_instance_acquire(CLASS_NAME);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool first = become_first_copy();
    if (!first) std::abort();
    if (size == 0) return 0;
    const size_t piece = data[0] % 16 + 1;
    const bool leave_open = data[0] & 0x80;
    raises = 0;
    const int fd = connect_to_first_copy();
    for (size_t at = 1; at < size; at += piece) {
        const size_t length = std::min(piece, size - at);
        if (send(fd, data + at, length, MSG_NOSIGNAL) != static_cast<ssize_t>(length)) break;
        single_instance_serve();
    }
    // A slow copy: the first one serves once more while the request is still open.
    if (leave_open) single_instance_serve();
    close(fd);
    single_instance_serve();
    // Only the request itself raises the window, and once.
    static constexpr char RAISE[] = "raise\n";
    const bool asked =
        size - 1 >= sizeof RAISE - 1 && std::memcmp(data + 1, RAISE, sizeof RAISE - 1) == 0;
    if (raises > 1 || (raises == 1 && !asked)) std::abort();
    return 0;
}
