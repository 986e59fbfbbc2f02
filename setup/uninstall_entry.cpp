#include "setup/uninstall_entry.h"

#include "platform/registry.h"
#include "setup/install_places.h"

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
