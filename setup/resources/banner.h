// The banner across the top of the setup dialog, painted at the size it is shown.
#pragma once

#include "platform/picture.h"

// Deep sky with a spray of stars rushing out of a bright core, and the rim of a planet.
Picture paint_banner(int width, int height);
