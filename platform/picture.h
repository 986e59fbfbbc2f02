// Pictures the program paints itself (banners, badges), shown by the static picture controls
// (CTL_ICON) whose text names them.
#pragma once

#include <string>
#include <vector>

struct Picture {
    int width = 0, height = 0;
    std::vector<unsigned char> rgb; // width * height pixels, three bytes each, rows top down
};

// Replaces any picture of the same name.
void register_picture(const std::string& name, Picture picture);
// Null when no picture of that name was registered.
const Picture* find_picture(const std::string& name);
