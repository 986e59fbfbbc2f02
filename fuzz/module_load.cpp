// A module from the library: its text and its side files, then the Views a playback loads
// first. The input holds the parts one after another, split by SEPARATOR: the module text,
// ".pr1" .. ".pr6" and ".pr8". A part that is not there is a side file that does not exist.
#include "fuzz/support/fuzz_env.h"
#include "platform/profile.h"
#include "saver/engine/engine_state.h"
#include "saver/model/model_state.h"
#include "saver/model/module_files.h"
#include "saver/model/view.h"
#include "saver/model/view_io.h"

#include <cstdlib>
#include <cstring>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::string_view SEPARATOR = "\n--side--\n";
const char* const PART_EXTENSIONS[] = {".sv",  ".pr1", ".pr2", ".pr3",
                                       ".pr4", ".pr5", ".pr6", ".pr8"};
constexpr size_t PART_COUNT = sizeof PART_EXTENSIONS / sizeof PART_EXTENSIONS[0];

struct Library {
    std::string module, data_dir;
};

const Library& library() {
    static const Library paths = [] {
        const std::string root = fuzz_scratch();
        mkdir((root + "/library").c_str(), 0700);
        mkdir((root + "/library/Fuzz").c_str(), 0700);
        // The install directory holds the images a module names; here there are none.
        write_private_profile_string("data", "path", (root + "/").c_str(), "Solvantrix!.ini");
        return Library{root + "/library/Fuzz.sv", root + "/library/Fuzz/"};
    }();
    return paths;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const Library& paths = library();
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    for (size_t part = 0; part < PART_COUNT; ++part) {
        const std::string path =
            part == 0 ? paths.module : paths.data_dir + "Fuzz" + PART_EXTENSIONS[part];
        if (rest.data() == nullptr) {
            unlink(path.c_str());
            continue;
        }
        const size_t end = rest.find(SEPARATOR);
        const std::string_view bytes = rest.substr(0, end);
        if (!write_bytes(path, reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()))
            std::abort();
        rest = end == std::string_view::npos ? std::string_view()
                                             : rest.substr(end + SEPARATOR.size());
    }

    int saved_without_stars = 0;
    if (!load_module(paths.module.c_str(), &saved_without_stars)) {
        if (module_path[0] != '\0') std::abort();
        return 0;
    }
    if (recorded_length < 0 || recorded_length > 64000) std::abort();
    // Playback starts with View 8 and the recording moves on to the others.
    load_view("2007");
    load_view("2000");
    return 0;
}
