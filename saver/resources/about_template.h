// The ABOUT dialog: the mouse and key controls and the way to the manual.
#pragma once

#include "platform/dialog.h"

extern const DialogTemplate ABOUT_TEMPLATE;
