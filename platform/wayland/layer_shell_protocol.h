// The generated layer-shell client code names an argument `namespace`, which C++ reserves; the
// headers it includes come first, untouched by the rename.
#pragma once

#include <cstddef>
#include <cstdint>
#include <wayland-client.h>

#define namespace layer_namespace
#include "wlr-layer-shell-unstable-v1-client-protocol.h"
#undef namespace
