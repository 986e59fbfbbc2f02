// The HELPTEXT1 dialog: the right-click help popup, one static text in a bare frame.
#pragma once

#include "platform/dialog.h"

extern const DialogTemplate HELPTEXT_TEMPLATE;
