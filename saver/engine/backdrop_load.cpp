#include "saver/engine/backdrop.h"

#include "platform/files.h"
#include "saver/model/install_paths.h"

#include <malloc.h>
#include <unistd.h>

std::string backdrop_image_file(const char* shell0) {
    // Modules carry paths written on other systems; only the name counts, and the image always
    // comes from the user's or the install's own directory.
    const char* name = shell0;
    for (const char* p = shell0; *p; ++p)
        if (*p == '\\' || *p == '/') name = p + 1;
    // The user's own image of that name comes first, as the user's modules do.
    const std::string users = find_path_any_case(user_image_directory() + name);
    if (access(users.c_str(), R_OK) == 0) return users;
    return find_path_any_case(install_directory() + "images/" + name);
}

int load_backdrop_image(const char* shell0) {
    backdrop_hold = 1;
    const int loaded = load_backdrop_texture(backdrop_image_file(shell0));
    build_backdrop_mesh();
    // A large image passes through megabytes of buffers that are freed again at once; unless
    // they go back to the system, the heap keeps the largest module's worth for good and the
    // resident memory creeps up over a night of module changes.
    malloc_trim(0);
    return loaded;
}
