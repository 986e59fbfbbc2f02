// The STATUS dialog: the control window's toolbar row and its control panel.
#pragma once

#include "platform/dialog.h"

extern const DialogTemplate STATUS_TEMPLATE;

// The template entry of a control, or null when the template has no such id.
const ControlTemplate* find_status_control(int id);
