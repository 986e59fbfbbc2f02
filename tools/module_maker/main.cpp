// Writes the module library from its recipes:
//   module_maker LIBRARY_DIR
// Each module becomes LIBRARY_DIR/<name>.sv and LIBRARY_DIR/<name>/<name>.pr1 .. .pr6, .pr8.
// The output depends on nothing but the recipes, so two runs write the same bytes. Any write
// failure ends the tool with a non-zero status.
#include "tools/module_maker/flight_script.h"
#include "tools/module_maker/module_recipe.h"
#include "tools/module_maker/module_text.h"
#include "tools/module_maker/star_planes.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <sys/stat.h>

namespace {

// The longest View section the program reads back whole.
constexpr size_t VIEW_SECTION_LIMIT = 2000;
constexpr size_t ITEMS_SECTION_LIMIT = 10000;

bool make_directory(const std::string& path) {
    if (mkdir(path.c_str(), 0755) == 0 || errno == EEXIST) return true;
    std::fprintf(stderr, "module_maker: cannot create %s: %s\n", path.c_str(),
                 std::strerror(errno));
    return false;
}

bool write_file(const std::string& path, const void* bytes, size_t size) {
    FILE* file = std::fopen(path.c_str(), "wb");
    bool ok = file != nullptr;
    if (ok && size > 0) ok = std::fwrite(bytes, 1, size, file) == size;
    if (file && std::fclose(file) != 0) ok = false;
    if (!ok) std::fprintf(stderr, "module_maker: cannot write %s\n", path.c_str());
    return ok;
}

uint32_t name_seed(const std::string& name) {
    uint32_t hash = 2166136261u;
    for (unsigned char c : name) hash = (hash ^ c) * 16777619u;
    return hash;
}

// Every section must survive the program's section reader, which counts each line plus one.
bool sections_fit(const std::string& name, const std::string& text) {
    size_t section_size = 0;
    bool in_items = false;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find("\r\n", start);
        const std::string line = text.substr(start, end - start);
        start = end + 2;
        if (!line.empty() && line[0] == '[') {
            in_items = line.compare(0, 7, "[items]") == 0;
            section_size = 0;
            continue;
        }
        if (line.empty()) continue;
        section_size += line.size() + 1;
        if (section_size > (in_items ? ITEMS_SECTION_LIMIT : VIEW_SECTION_LIMIT)) {
            std::fprintf(stderr, "module_maker: %s has a section too long to read back\n",
                         name.c_str());
            return false;
        }
    }
    return true;
}

bool write_module(const std::string& library, const ModuleRecipe& recipe) {
    std::vector<int16_t> words;
    std::string error;
    if (!compile_flight(recipe.flight, &words, &error)) {
        std::fprintf(stderr, "module_maker: %s: %s\n", recipe.name.c_str(), error.c_str());
        return false;
    }
    const StarPlanes planes = make_star_planes(recipe, name_seed(recipe.name));
    uint8_t star0[6];
    for (int p = 0; p < 6; ++p) star0[p] = planes.plane[p][0];
    const std::string text = module_text(recipe, star0);
    if (!sections_fit(recipe.name, text)) return false;

    const std::string data_dir = library + "/" + recipe.name;
    if (!write_file(library + "/" + recipe.name + ".sv", text.data(), text.size())) return false;
    if (!make_directory(data_dir)) return false;
    const std::string stem = data_dir + "/" + recipe.name;
    for (int p = 0; p < 6; ++p) {
        const std::string path = stem + ".pr" + std::to_string(p + 1);
        if (!write_file(path, planes.plane[p].data(), planes.plane[p].size())) return false;
    }
    // Recordings are little-endian words on every host.
    std::vector<uint8_t> recording;
    for (int16_t word : words) {
        const auto bits = static_cast<uint16_t>(word);
        recording.push_back(static_cast<uint8_t>(bits & 0xFF));
        recording.push_back(static_cast<uint8_t>(bits >> 8));
    }
    return write_file(stem + ".pr8", recording.data(), recording.size());
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s LIBRARY_DIR\n", argv[0]);
        return 2;
    }
    const std::string library = argv[1];
    // The parent is the product tree, which may not exist yet either.
    const size_t slash = library.find_last_of('/');
    if (slash != std::string::npos && slash > 0 && !make_directory(library.substr(0, slash)))
        return 1;
    if (!make_directory(library)) return 1;
    for (const ModuleRecipe& recipe : library_recipes())
        if (!write_module(library, recipe)) return 1;
    return 0;
}
