// The GLOBAL dialog: frame rate, backdrop resolution and brightness, monitors, sound, and the
// one-shot choice that includes or excludes every module in cycling.
#pragma once

#include "platform/dialog.h"

extern const DialogTemplate GLOBAL_TEMPLATE;
