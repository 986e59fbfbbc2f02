#include "saver/engine/backdrop.h"

#include "saver/engine/targa_reader.h"
#include "saver/model/settings.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <algorithm>
#include <fcntl.h>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct FileBytes {
    std::unique_ptr<uint8_t[]> data;
    size_t size = 0;
};

// The file's first MAX_TARGA_FILE_SIZE bytes. Only a regular file is read: a directory or a
// pipe named like an image must neither fail late nor block the frame loop.
bool read_image_file(const std::string& path, FileBytes& bytes) {
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat status;
    bool ok = fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
    if (ok) {
        bytes.size = std::min(static_cast<size_t>(status.st_size), MAX_TARGA_FILE_SIZE);
        bytes.data.reset(new (std::nothrow) uint8_t[bytes.size ? bytes.size : 1]);
        ok = bytes.data != nullptr;
    }
    size_t done = 0;
    while (ok && done < bytes.size) {
        const ssize_t got = read(fd, bytes.data.get() + done, bytes.size - done);
        if (got <= 0)
            ok = false;
        else
            done += static_cast<size_t>(got);
    }
    close(fd);
    return ok;
}

void upload(const RgbImage& image) {
    glBindTexture(GL_TEXTURE_2D, backdrop_texture_name);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    // The builder also scales sizes that are no power of two, or too large for the driver.
    if (gluBuild2DMipmaps(GL_TEXTURE_2D, GL_RGB, image.width, image.height, GL_RGB,
                          GL_UNSIGNED_BYTE, image.rgb.get()) == 0)
        backdrop_image_loaded = 1;
}

} // namespace

int load_backdrop_texture(const std::string& path) {
    if (backdrop_texture_exists) glDeleteTextures(1, &backdrop_texture_name);
    glGenTextures(1, &backdrop_texture_name);
    backdrop_texture_exists = 1;
    backdrop_image_loaded = 0;

    RgbImage image;
    {
        FileBytes file;
        if (!read_image_file(path, file)) return 0;
        if (!read_targa(file.data.get(), file.size, backresolution == 1, backdrop_palette, image))
            return 0;
    }
    upload(image);
    return backdrop_image_loaded;
}

void bind_backdrop_texture() {
    glBindTexture(GL_TEXTURE_2D, backdrop_texture_name);
}
