#include "tools/media_maker/targa_writer.h"

#include "tools/media_maker/quantise.h"

namespace {

constexpr uint8_t TOP_LEFT_ORIGIN = 0x20;

void put16(std::vector<uint8_t>& out, int value) {
    out.push_back(static_cast<uint8_t>(value & 0xFF));
    out.push_back(static_cast<uint8_t>((value >> 8) & 0xFF));
}

std::vector<uint8_t> header(const Canvas& canvas, bool mapped) {
    std::vector<uint8_t> out;
    out.push_back(0);               // no ID field
    out.push_back(mapped ? 1 : 0);  // colour map present
    out.push_back(mapped ? 1 : 2);  // uncompressed mapped or true colour
    put16(out, 0);                  // first map entry
    put16(out, mapped ? 256 : 0);   // map length
    out.push_back(mapped ? 24 : 0); // map entry bits
    put16(out, 0);                  // x origin
    put16(out, 0);                  // y origin
    put16(out, canvas.width);
    put16(out, canvas.height);
    out.push_back(mapped ? 8 : 24);
    out.push_back(TOP_LEFT_ORIGIN);
    return out;
}

} // namespace

std::vector<uint8_t> encode_targa_true_colour(const Canvas& canvas) {
    std::vector<uint8_t> out = header(canvas, false);
    out.reserve(out.size() + canvas.pixels.size() * 3);
    for (const Colour& pixel : canvas.pixels) {
        out.push_back(to_byte(pixel.b));
        out.push_back(to_byte(pixel.g));
        out.push_back(to_byte(pixel.r));
    }
    return out;
}

std::vector<uint8_t> encode_targa_mapped(const Canvas& canvas) {
    MappedImage image = quantise(canvas);
    std::vector<uint8_t> out = header(canvas, true);
    for (const Rgb8& entry : image.palette) {
        out.push_back(entry.b);
        out.push_back(entry.g);
        out.push_back(entry.r);
    }
    out.insert(out.end(), image.indices.begin(), image.indices.end());
    return out;
}
