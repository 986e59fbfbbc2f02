// The remove list an install leaves for the removal: any bytes. What is read must write back
// to the same records.
#include "setup/remove_list.h"

#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const RemoveListRead read = read_remove_list(data, size);
    std::string written;
    for (const std::string& path : read.paths) {
        if (path.empty() || path.size() > REMOVE_RECORD_MAX || path.find('\0') != std::string::npos)
            std::abort();
        if (!append_remove_record(&written, path)) std::abort();
    }
    close_remove_list(&written);
    // A closed list is its records and the end mark, byte for byte.
    if (read.end == RemoveListEnd::closed &&
        std::memcmp(written.data(), data, written.size() - 1) != 0)
        std::abort();
    const RemoveListRead again =
        read_remove_list(reinterpret_cast<const unsigned char*>(written.data()), written.size());
    if (again.end != RemoveListEnd::closed || again.paths != read.paths) std::abort();
    return 0;
}
