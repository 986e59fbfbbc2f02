// A word in block letters as a binary "planm" model (".dem").
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The model's bytes: every one of its 5727 points on a lit cell of the word's 5 x 7 letters,
// the word standing upright across the cube's centre.
std::vector<uint8_t> lettering_dem(const std::string& word);
