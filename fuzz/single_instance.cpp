// The request a later copy sends to the first one: any bytes over the real socket, delivered
// in pieces. The first byte says where the bytes are cut; the last piece may stay unfinished
// while the next requests arrive.
#include "platform/single_instance.h"
#include "fuzz/support/fuzz_env.h"

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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool first = (fuzz_scratch(), single_instance_acquire(CLASS_NAME));
    if (!first) std::abort();
    if (size == 0) return 0;
    const size_t piece = data[0] % 16 + 1;
    const bool leave_open = data[0] & 0x80;
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
    return 0;
}
