#include "tools/model_maker/lettering.h"

#include <cctype>
#include <cstring>

namespace {

constexpr size_t FIRST_POINT = 8278;
constexpr int POINTS = 5727;
constexpr int CELL = 640; // star units per letter cell

struct Glyph {
    char letter;
    const char* rows[7];
};

// The letters the samples spell; anything else is a blank.
constexpr Glyph GLYPHS[] = {
    {'A', {".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
    {'I', {"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "#####"}},
    {'L', {"#....", "#....", "#....", "#....", "#....", "#....", "#####"}},
    {'N', {"#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#", "#...#"}},
    {'O', {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {'R', {"####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"}},
    {'S', {".####", "#....", "#....", ".###.", "....#", "....#", "####."}},
    {'T', {"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."}},
    {'V', {"#...#", "#...#", "#...#", "#...#", "#...#", ".#.#.", "..#.."}},
    {'X', {"#...#", "#...#", ".#.#.", "..#..", ".#.#.", "#...#", "#...#"}},
};

const Glyph* glyph_of(char c) {
    for (const Glyph& glyph : GLYPHS)
        if (glyph.letter == std::toupper(static_cast<unsigned char>(c))) return &glyph;
    return nullptr;
}

struct Cell {
    int column, row; // row 0 at the top
};

// A star coordinate as the layout stores it: the centre 32767 is 0.
uint16_t stored(int coordinate) {
    const int c = coordinate & 0xFFFF;
    return static_cast<uint16_t>(c >= 32767 ? c - 32767 : c + 32767);
}

void put16(std::vector<uint8_t>& bytes, size_t at, uint16_t value) {
    bytes[at] = static_cast<uint8_t>(value);
    bytes[at + 1] = static_cast<uint8_t>(value >> 8);
}

} // namespace

std::vector<uint8_t> lettering_dem(const std::string& word) {
    std::vector<Cell> lit;
    for (size_t letter = 0; letter < word.size(); ++letter) {
        const Glyph* glyph = glyph_of(word[letter]);
        if (!glyph) continue;
        for (int row = 0; row < 7; ++row)
            for (int column = 0; column < 5; ++column)
                if (glyph->rows[row][column] == '#')
                    lit.push_back({static_cast<int>(letter) * 6 + column, row});
    }
    std::vector<uint8_t> bytes(FIRST_POINT + 6 * POINTS, 0);
    std::memcpy(bytes.data(), "planm", 5);
    if (lit.empty()) return bytes;
    const int columns = static_cast<int>(word.size()) * 6 - 1;
    // Points fill the lit cells in turn, on a small grid inside each cell.
    for (int k = 0; k < POINTS; ++k) {
        const Cell& cell = lit[static_cast<size_t>(k) % lit.size()];
        const int round = k / static_cast<int>(lit.size());
        const int dx = (round * 5) % 8 * CELL / 8, dy = (round * 3) % 8 * CELL / 8;
        const int x = 32767 + (cell.column * 2 - columns) * CELL / 2 + dx;
        const int y = 32767 + (6 - cell.row * 2) * CELL / 2 - dy;
        const int z = 32767 + (round % 5 - 2) * 40;
        const size_t at = FIRST_POINT + 6 * static_cast<size_t>(k);
        put16(bytes, at, stored(z));
        put16(bytes, at + 2, stored(x));
        put16(bytes, at + 4, stored(y));
    }
    return bytes;
}
