#include "saver/resources/icons.h"

#include <iterator>

namespace {

// One palette for all pictures, in the editor's colours.
const IconColour COLOURS[] = {
    {'w', 240, 244, 250}, // white
    {'b', 70, 118, 208},  // accent blue
    {'s', 170, 178, 192}, // steel
    {'k', 40, 42, 48},    // near black
    {'y', 250, 214, 90},  // star yellow
    {'o', 226, 130, 60},  // planet orange
    {'r', 150, 70, 40},   // planet shade
};

template <int N> constexpr IconImage icon(const char* const (&rows)[N]) {
    return {16, N, rows, COLOURS, static_cast<int>(std::size(COLOURS))};
}

// clang-format off
const char* const NARROW_COLUMNS[] = {
    "                ",
    " ww  ww  ww  ww ",
    "                ",
    " ww  ww  ww  ww ",
    "                ",
    " ww  ww  ww  ww ",
    "                ",
    " ww  ww  ww  ww ",
    "                ",
    " ww  ww  ww  ww ",
    "                ",
    " ww  ww  ww  ww ",
    "                ",
    " ww  ww  ww  ww ",
    "                ",
    "                ",
};

const char* const WIDE_COLUMNS[] = {
    "                ",
    " wwwwww  wwwwww ",
    "                ",
    " wwwwww  wwwwww ",
    "                ",
    " wwwwww  wwwwww ",
    "                ",
    " wwwwww  wwwwww ",
    "                ",
    " wwwwww  wwwwww ",
    "                ",
    " wwwwww  wwwwww ",
    "                ",
    " wwwwww  wwwwww ",
    "                ",
    "                ",
};

// A disk: the View button pressed next stores onto it.
const char* const SETUP[] = {
    "bbbbbbbbbbbbbb  ",
    "bbbssssssssbbbb ",
    "bbbssssskssbbbbb",
    "bbbssssskssbbbbb",
    "bbbssssskssbbbbb",
    "bbbssssssssbbbbb",
    "bbbbbbbbbbbbbbbb",
    "bbbbbbbbbbbbbbbb",
    "bbwwwwwwwwwwwwbb",
    "bbwwwwwwwwwwwwbb",
    "bbwkkkkkkkkkkwbb",
    "bbwwwwwwwwwwwwbb",
    "bbwkkkkkkkwwwwbb",
    "bbwwwwwwwwwwwwbb",
    "bbwwwwwwwwwwwwbb",
    "bbbbbbbbbbbbbbbb",
};

const char* const HELP[] = {
    "     bbbbbb     ",
    "   bbbbbbbbbb   ",
    "  bbbbwwwwbbbb  ",
    " bbbbwwwwwwbbbb ",
    " bbbwwwbbwwwbbb ",
    "bbbbbbbbbwwwbbbb",
    "bbbbbbbbwwwbbbbb",
    "bbbbbbbwwwbbbbbb",
    "bbbbbbbwwbbbbbbb",
    "bbbbbbbwwbbbbbbb",
    " bbbbbbbbbbbbbb ",
    " bbbbbbwwbbbbbb ",
    "  bbbbbwwbbbbb  ",
    "   bbbbbbbbbb   ",
    "     bbbbbb     ",
    "                ",
};

// A ringed planet among stars.
const char* const ABOUT[] = {
    "y          y    ",
    "     oooo      y",
    "   oooooooo     ",
    "  oooooooooo    ",
    " ooooooooooorr  ",
    "sssooooooooorrss",
    " ooossssssssssr ",
    " oooooooooooorr ",
    " ooooooooooorrr ",
    "  oooooooooorr  ",
    "   oooooooorr   ",
    "     oorrrr     ",
    "y               ",
    "            y   ",
    "    y           ",
    "              y ",
};
// clang-format on

} // namespace

const IconImage ICON_NARROW_COLUMNS = icon(NARROW_COLUMNS);
const IconImage ICON_WIDE_COLUMNS = icon(WIDE_COLUMNS);
const IconImage ICON_SETUP = icon(SETUP);
const IconImage ICON_HELP = icon(HELP);
const IconImage ICON_ABOUT = icon(ABOUT);
