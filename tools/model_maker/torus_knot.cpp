#include "tools/model_maker/torus_knot.h"

#include <cmath>
#include <cstdio>

namespace {

constexpr double MAJOR_RADIUS = 70.0;
constexpr double MINOR_RADIUS = 30.0;
constexpr int TURNS_AROUND = 2;  // p: turns around the axis of symmetry
constexpr int TURNS_THROUGH = 3; // q: turns through the hole

std::string point_entity(double x, double y, double z) {
    char text[160];
    std::snprintf(text, sizeof text, "  0\nPOINT\n  8\nKNOT\n 10\n%.3f\n 20\n%.3f\n 30\n%.3f\n", x,
                  y, z);
    return text;
}

} // namespace

std::string torus_knot_dxf(int points) {
    std::string dxf = "  0\nSECTION\n  2\nENTITIES\n";
    for (int i = 0; i < points; ++i) {
        const double t = 2.0 * M_PI * i / points;
        const double ring = MAJOR_RADIUS + MINOR_RADIUS * std::cos(TURNS_THROUGH * t);
        // Across (x) and up (z) face the viewer; the knot's thickness goes into the depth (y).
        dxf += point_entity(ring * std::cos(TURNS_AROUND * t),
                            MINOR_RADIUS * std::sin(TURNS_THROUGH * t),
                            ring * std::sin(TURNS_AROUND * t));
    }
    return dxf + "  0\nENDSEC\n  0\nEOF\n";
}
