// What each control of the control window says of itself on a right click.
#pragma once

#include <string>

// The control's help with the blanks that belong to it, or empty when it has none.
std::string control_help_text(int id);
