// The SAVERTYPE dialog: choose the name a module is saved under.
#pragma once

#include "platform/dialog.h"

extern const DialogTemplate SAVERTYPE_TEMPLATE;
