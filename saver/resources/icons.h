// The program's own pictures for buttons and dialogs, by the numbers the templates give them.
#pragma once

#include "platform/icon.h"

extern const IconImage ICON_NARROW_COLUMNS; // 102: the save list in narrow columns
extern const IconImage ICON_WIDE_COLUMNS;   // 103: the save list in wide columns
extern const IconImage ICON_SETUP;          // 104: store the live View into a View button
extern const IconImage ICON_HELP;           // 105: the about and help window
extern const IconImage ICON_ABOUT;          // the emblem of the about window
