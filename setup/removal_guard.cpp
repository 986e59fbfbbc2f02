#include "setup/removal_guard.h"

#include "setup/package_lists.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

bool starts_with(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

bool ends_with(const std::string& text, const std::string& suffix) {
    return text.size() >= suffix.size() &&
           text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

std::vector<std::string> split(const std::string& relative) {
    std::vector<std::string> parts;
    std::string::size_type from = 0;
    for (;;) {
        const std::string::size_type slash = relative.find('/', from);
        parts.push_back(relative.substr(from, slash - from));
        if (slash == std::string::npos) return parts;
        from = slash + 1;
    }
}

bool is_image_file(const std::string& name) {
    for (int i = 0; i < count_list(IMAGE_LIST); ++i)
        if (name == std::string(IMAGE_LIST[i]) + image_extension(IMAGE_LIST[i])) return true;
    return false;
}

bool is_module(const std::string& name) {
    for (int i = 0; i < count_list(PACKAGE_LIST); ++i) {
        const std::string package = PACKAGE_LIST[i];
        if (name == package.substr(0, package.size() - 4)) return true;
    }
    return false;
}

// The module work file and the seven star-data files in the module's data directory.
bool is_module_side_file(const std::string& module, const std::string& name) {
    if (!starts_with(name, module)) return false;
    const std::string extension = name.substr(module.size());
    if (extension == ".ini") return true;
    for (int part = 1; part < PACKAGE_PARTS; ++part)
        if (extension == PACKAGE_PART_EXTENSIONS[part]) return true;
    return false;
}

// Opens the install directory, then each directory below it without following links.
int open_below(const std::string& install_dir, const std::vector<std::string>& directories) {
    int fd =
        open(install_dir.empty() ? "/" : install_dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    for (const std::string& name : directories) {
        if (fd < 0) return fd;
        const int next = openat(fd, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        close(fd);
        fd = next;
    }
    return fd;
}

} // namespace

RecordTarget classify_record(const std::string& path, const std::string& install_dir,
                             const std::string& program, const std::string& settings) {
    if (path == program) return {RecordKind::installed_program, {}, {}};
    if (path == settings) return {RecordKind::settings_file, {}, {}};
    const RecordTarget refused{RecordKind::refused, {}, {}};
    if (!starts_with(install_dir, "/") && !install_dir.empty()) return refused;
    if (!starts_with(path, install_dir + "/")) return refused;
    const std::vector<std::string> parts = split(path.substr(install_dir.size() + 1));
    if (parts.size() == 2 && parts[0] == "library" && parts[1] == "readme.txt")
        return {RecordKind::in_tree, parts, {}};
    if (parts.size() == 2 && parts[0] == "images" && is_image_file(parts[1]))
        return {RecordKind::in_tree, parts, {}};
    if (parts.size() == 2 && parts[0] == "library" && ends_with(parts[1], ".sv")) {
        const std::string module = parts[1].substr(0, parts[1].size() - 3);
        if (is_module(module)) return {RecordKind::in_tree, parts, module};
    }
    if (parts.size() == 3 && parts[0] == "library" && is_module(parts[1]) &&
        is_module_side_file(parts[1], parts[2]))
        return {RecordKind::in_tree, parts, {}};
    return refused;
}

bool delete_in_tree(const std::string& install_dir, const std::vector<std::string>& below) {
    if (below.empty()) return false;
    const int fd = open_below(install_dir, {below.begin(), below.end() - 1});
    if (fd < 0) return errno == ENOENT;
    const bool gone = unlinkat(fd, below.back().c_str(), 0) == 0 || errno == ENOENT;
    close(fd);
    return gone;
}

bool remove_directory_in_tree(const std::string& install_dir,
                              const std::vector<std::string>& below) {
    if (below.empty()) return rmdir(install_dir.c_str()) == 0;
    const int fd = open_below(install_dir, {below.begin(), below.end() - 1});
    if (fd < 0) return false;
    const bool removed = unlinkat(fd, below.back().c_str(), AT_REMOVEDIR) == 0;
    close(fd);
    return removed;
}
