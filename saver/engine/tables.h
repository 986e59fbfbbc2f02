// Lookup tables built once at start-up so that no star needs a trigonometric call or a
// random draw per frame.
#pragma once

void build_sine_table();
// Draws from the random stream: for each star the value then the sign, table Z, Y, X.
void build_offset_tables();
