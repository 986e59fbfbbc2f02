// The SOURCE dialog: the backdrop selector (image file, image mode, shape resolution).
#pragma once

#include "platform/dialog.h"

extern const DialogTemplate SOURCE_TEMPLATE;
