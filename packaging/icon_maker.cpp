// Writes the menu icon the package installs: the same picture the setup program gives its
// per-user menu entry, so that both ways in look alike.
#include "platform/files.h"
#include "setup/launcher.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: icon_maker OUTPUT.svg\n");
        return 2;
    }
    return write_file_atomically(argv[1], launcher_icon_svg()) ? 0 : 1;
}
