// Writes the two sample models of the product into a directory: a torus knot drawing and a
// lettering model.
#include "tools/model_maker/lettering.h"
#include "tools/model_maker/torus_knot.h"

#include <cstdio>
#include <string>
#include <sys/stat.h>

namespace {

bool write(const std::string& path, const void* bytes, size_t size) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    bool ok = std::fwrite(bytes, 1, size, file) == size;
    ok = std::fclose(file) == 0 && ok;
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: model_maker DIRECTORY\n");
        return 2;
    }
    const std::string directory = argv[1];
    mkdir(directory.c_str(), 0755);
    const std::string knot = torus_knot_dxf(4000);
    const std::vector<uint8_t> word = lettering_dem("SOLVANTRIX");
    if (!write(directory + "/torus-knot.dxf", knot.data(), knot.size()) ||
        !write(directory + "/lettering.dem", word.data(), word.size())) {
        std::perror(directory.c_str());
        return 1;
    }
    return 0;
}
