// Paints every backdrop image and the start-up rumble into one directory, the "images"
// directory of the product. Everything is procedural and seeded, so two runs write the same
// bytes. Exits non-zero when a file cannot be written.
#include "tools/media_maker/painters.h"
#include "tools/media_maker/rumble.h"
#include "tools/media_maker/targa_writer.h"
#include "tools/media_maker/wave_writer.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

enum class Depth { mapped, true_colour };

struct Backdrop {
    const char* name;
    int width, height;
    Depth depth;
    void (*paint)(Canvas&);
};

// Both kinds of Targa, sizes from 128 x 64 to 2048 x 1024, several that are no power of two.
const Backdrop BACKDROPS[] = {
    {"M", 1024, 512, Depth::mapped, paint_galaxy},
    {"LAYER", 1000, 500, Depth::mapped, paint_layers},
    {"PATTERN", 512, 256, Depth::true_colour, paint_pattern},
    {"SKY", 2048, 1024, Depth::mapped, paint_sky},
    {"SPOT", 256, 128, Depth::true_colour, paint_spot},
    {"HORIZ", 800, 400, Depth::true_colour, paint_dusk_horizon},
    {"HORIZ2", 600, 300, Depth::mapped, paint_dawn_horizon},
    {"HORIZ3", 1024, 512, Depth::mapped, paint_ice_horizon},
    {"HANDH", 1000, 500, Depth::mapped, paint_horse_head},
    {"MARTIAN", 1024, 512, Depth::true_colour, paint_mars},
    {"BLANK", 128, 64, Depth::mapped, paint_blank},
    {"MILK2", 2048, 1024, Depth::mapped, paint_milky_way},
    {"M42", 512, 256, Depth::true_colour, paint_orion_nebula},
    {"MOON", 512, 256, Depth::mapped, paint_moon},
    {"RINGBALL", 1024, 512, Depth::mapped, paint_ringed_planet},
};

bool write_file(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (out) return true;
    std::fprintf(stderr, "media_maker: cannot write %s\n", path.string().c_str());
    return false;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: media_maker <images directory>\n");
        return 2;
    }
    const std::filesystem::path directory = argv[1];
    std::error_code error;
    std::filesystem::create_directories(directory, error);
    if (error) {
        std::fprintf(stderr, "media_maker: cannot create %s\n", directory.string().c_str());
        return 1;
    }
    bool ok = true;
    for (const Backdrop& backdrop : BACKDROPS) {
        Canvas canvas(backdrop.width, backdrop.height);
        backdrop.paint(canvas);
        std::vector<uint8_t> bytes = backdrop.depth == Depth::mapped
                                         ? encode_targa_mapped(canvas)
                                         : encode_targa_true_colour(canvas);
        ok = write_file(directory / (std::string(backdrop.name) + ".TGA"), bytes) && ok;
    }
    ok = write_file(directory / "RUMBLE.WAV",
                    encode_wave(make_rumble(), RUMBLE_CHANNELS, RUMBLE_RATE)) &&
         ok;
    return ok ? 0 : 1;
}
