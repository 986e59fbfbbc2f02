#include "saver/engine/backdrop.h"

#include "saver/model/model_state.h"
#include "saver/model/settings.h"
#include "saver/model/view.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float PI = 3.14159265f;

} // namespace

float backdrop_radius(int mode) {
    switch (mode) {
    case 1:
        return 20.0f; // Planet Small
    case 2:
        return 40.0f; // Planet Large
    case 3:
        return 5080.0f; // Fly Large
    case 4:
        return 208.0f; // Fly Small
    default:
        return 114060.0f; // Backdrop, and any unknown mode
    }
}

void build_backdrop_mesh() {
    const int n =
        std::clamp(std::min(auxresolution, backdrop_resolution), 0, BACKDROP_MESH_SIDE - 1);
    backdrop_subdivision = n;
    if (n == 0) return;
    const float r = backdrop_radius(balls1);
    for (int a = 0; a <= n; ++a) {
        const float longitude = (a * 360.0f / n + 171.0f) * PI / 180.0f;
        for (int b = 0; b <= n; ++b) {
            const float latitude = (b * 180.0f / n - 90.0f) * PI / 180.0f;
            const float ring = r * std::fabs(std::cos(latitude));
            BackdropPoint& point = backdrop_mesh[a][b];
            point.x = -ring * std::sin(longitude);
            point.y = -r * std::sin(latitude);
            point.z = ring * std::cos(longitude);
            point.s = static_cast<float>(a) / n;
            point.t = static_cast<float>(b) / n;
        }
    }
    for (int b = 0; b < n; ++b)
        for (int a = 0; a <= n; ++a) {
            backdrop_strips[b][2 * a] = backdrop_mesh[a][b];
            backdrop_strips[b][2 * a + 1] = backdrop_mesh[a][b + 1];
        }
}
