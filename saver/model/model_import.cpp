#include "saver/model/model_import.h"

#include "saver/engine/engine_state.h"
#include "saver/engine/generator.h"
#include "saver/model/dem_reader.h"
#include "saver/model/dxf_reader.h"
#include "saver/model/view.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

size_t read_file(void* context, uint8_t* buffer, size_t size) {
    const int fd = *static_cast<int*>(context);
    for (;;) {
        const ssize_t got = read(fd, buffer, size);
        if (got >= 0) return static_cast<size_t>(got);
        if (errno != EINTR) return 0;
    }
}

void read_dem_file(int fd) {
    std::vector<uint8_t> bytes(DEM_READ_LIMIT);
    size_t filled = 0;
    while (filled < bytes.size()) {
        const size_t got = read_file(&fd, bytes.data() + filled, bytes.size() - filled);
        if (got == 0) break;
        filled += got;
    }
    read_dem(bytes.data(), filled, target_stars);
}

} // namespace

bool is_dxf_path(const char* path) {
    return std::strstr(path, ".dxf") || std::strstr(path, ".Dxf") || std::strstr(path, ".DXF");
}

int import_model(const char* path) {
    // Opened without waiting, so that a pipe or a device picked in the dialog cannot hang.
    const int fd = open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return 0;
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size == 0) {
        close(fd);
        return 0;
    }
    if (is_dxf_path(path)) {
        int source_fd = fd;
        read_dxf({read_file, &source_fd}, dxf_import_from_sliders(track20e, track20k, track20l),
                 target_stars);
    } else {
        read_dem_file(fd);
    }
    close(fd);
    snapshot(0);
    return 1;
}
