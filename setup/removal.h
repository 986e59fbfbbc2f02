// Removing an installed product: the settings, the program, the launcher, every file the
// remove list names that an install writes, the emptied directories, the uninstall entry and
// the XScreenSaver entry. Modules the user made stay, with the directories that hold them.
#pragma once

#include <string>

// False when the remove list cannot be read; everything outside the install directory is
// gone by then.
bool run_removal(const std::string& install_dir);
