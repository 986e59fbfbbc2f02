// A (2, 3) torus knot as a DXF drawing of POINT entities.
#pragma once

#include <string>

// The drawing's text; the knot stands in the drawing's x-z plane, about 100 units across.
std::string torus_knot_dxf(int points);
