// Everything one frame does around drawing: module cycle, View loads, glides, timed
// generator modes, buffer swap and pacing.
#pragma once

#include "platform/win.h"

void frame_step(Hwnd hwnd);
