#include "setup/removal.h"

#include "setup/install_places.h"
#include "setup/launcher.h"
#include "setup/removal_guard.h"
#include "setup/remove_list.h"
#include "setup/uninstall_entry.h"
#include "setup/xscreensaver_entry.h"

#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace {

// A complete list is about 120 KB; anything beyond this is not a list an install wrote.
constexpr size_t LARGEST_LIST = 1 << 20;

bool read_list(const std::string& install_dir, std::vector<unsigned char>* bytes) {
    const std::string path = install_dir + "/" + REMOVE_LIST_NAME;
    const int fd = open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return false;
    bytes->resize(LARGEST_LIST);
    size_t filled = 0;
    for (;;) {
        const ssize_t got = read(fd, bytes->data() + filled, bytes->size() - filled);
        if (got <= 0) break;
        filled += static_cast<size_t>(got);
        if (filled == bytes->size()) break;
    }
    close(fd);
    bytes->resize(filled);
    return true;
}

void remove_module_directory(const std::string& install_dir, const std::string& module) {
    if (!module.empty()) remove_directory_in_tree(install_dir, {"library", module});
}

} // namespace

bool run_removal(const std::string& install_dir) {
    const std::string program = installed_program_path();
    const std::string settings = settings_file_path();
    unlink(settings.c_str());
    unlink(program.c_str());
    delete_launcher(install_dir);

    std::vector<unsigned char> bytes;
    if (!read_list(install_dir, &bytes)) return false;
    const RemoveListRead list = read_remove_list(bytes.data(), bytes.size());
    std::string pending_module;
    bool modules_seen = false;
    for (const std::string& path : list.paths) {
        const RecordTarget target = classify_record(path, install_dir, program, settings);
        if (target.kind == RecordKind::installed_program ||
            target.kind == RecordKind::settings_file)
            unlink(path.c_str());
        if (target.kind != RecordKind::in_tree) continue;
        if (!target.module_file.empty()) {
            remove_module_directory(install_dir, pending_module);
            pending_module = target.module_file;
            modules_seen = true;
        }
        delete_in_tree(install_dir, target.below);
    }
    remove_module_directory(install_dir, pending_module);
    delete_in_tree(install_dir, {REMOVE_LIST_NAME});
    // The remover goes too: nothing the install wrote is left behind.
    delete_in_tree(install_dir, {REMOVER_NAME});
    if (modules_seen) {
        remove_directory_in_tree(install_dir, {"library"});
        remove_directory_in_tree(install_dir, {"images"});
        remove_directory_in_tree(install_dir, {});
    }
    delete_uninstall_entry();
    unregister_from_xscreensaver(program);
    forget_empty_registry();
    return true;
}
