#include "setup/uninstall_entry.h"

#include "platform/paths.h"
#include "platform/registry.h"
#include "setup/install_places.h"

#include <cctype>
#include <fstream>
#include <iterator>
#include <unistd.h>

// The key store and its directory were made for the uninstall entry when nothing else had
// made them; once the entry is gone an empty store is only a leftover of the install. A store
// that still holds another key (the desktop's password option) stays, and so does its
// directory.
void forget_empty_registry() {
    const std::string registry = resolve_profile_path("registry.ini");
    std::ifstream in(registry, std::ios::binary);
    if (!in) return;
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    for (const char c : text)
        if (!std::isspace(static_cast<unsigned char>(c))) return;
    unlink(registry.c_str());
    rmdir(windows_directory().c_str());
}

bool register_uninstall_entry(const std::string& install_dir) {
    const std::string remover = install_dir + "/" + REMOVER_NAME;
    if (reg_set_value(HKEY_LOCAL_MACHINE, UNINSTALL_KEY, "UninstallString", remover.c_str()) &&
        reg_set_value(HKEY_LOCAL_MACHINE, UNINSTALL_KEY, "DisplayName", UNINSTALL_DISPLAY_NAME))
        return true;
    reg_delete_key(HKEY_LOCAL_MACHINE, UNINSTALL_KEY);
    return false;
}

void delete_uninstall_entry() {
    reg_delete_key(HKEY_LOCAL_MACHINE, UNINSTALL_KEY);
}
