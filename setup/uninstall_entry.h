// The entry in the registry store through which the platform's list of installed programs
// reaches the remover.
#pragma once

#include <string>

constexpr const char* UNINSTALL_KEY =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Solvantrix!";
constexpr const char* UNINSTALL_DISPLAY_NAME = "Solvantrix Screensaver  (Remove only)";

// Writes `UninstallString` (the remover's path) and `DisplayName`; when a value cannot be set,
// the key is deleted again and false returned.
bool register_uninstall_entry(const std::string& install_dir);
void delete_uninstall_entry();
// The last step of a removal: the key store and the settings folder go when nothing but the
// uninstall entry had been kept in them.
void forget_empty_registry();
