// The setup dialog, in two type sizes: 103 for ordinary screens, 104 for screens of more than
// 107 dots per inch, whose larger pixels per point would otherwise overrun the layout.
#pragma once

#include "platform/dialog.h"

extern const DialogTemplate SETUP_TEMPLATE_103;
extern const DialogTemplate SETUP_TEMPLATE_104;

// Where the banner sits, in dialog units.
constexpr int BANNER_WIDTH_UNITS = 232, BANNER_HEIGHT_UNITS = 34;

// 104 above 107 dots per inch, else 103.
const DialogTemplate& setup_template_for_dpi(int dots_per_inch);
