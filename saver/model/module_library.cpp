#include "saver/model/module_library.h"

#include "platform/profile.h"
#include "saver/model/install_paths.h"
#include "saver/model/model_state.h"
#include "saver/model/settings.h"

#include <algorithm>
#include <cstdint>
#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>

namespace {

// One value for the whole run, never reseeded: the first shuffle after a start is the same
// each time for the same modules.
uint32_t shuffle_register = 0x1A55FFFF;

void step_shuffle_register() {
    shuffle_register *= 2;
    if (shuffle_register > 0x0FFFFFFF)
        shuffle_register = (shuffle_register ^ 0x01D872B4) & 0x0FFFFFFF;
}

std::string stem(const std::string& file_name) {
    return file_name.substr(0, file_name.size() - 3);
}

bool ends_with_sv(const std::string& name) {
    return name.size() > 3 && strcasecmp(name.c_str() + name.size() - 3, ".sv") == 0;
}

} // namespace

void refresh_module_list() {
    struct Entry {
        std::string name;
        char users;
    };
    std::vector<Entry> entries;
    const std::string library = module_library();
    const std::string users = user_module_library();
    // A `path` install keeps the user's modules in its own library: one listing then.
    struct Source {
        std::string directory;
        char users;
    };
    const std::vector<Source> sources = users == library
                                            ? std::vector<Source>{{library, 0}}
                                            : std::vector<Source>{{users, 1}, {library, 0}};
    for (const Source& source : sources) {
        DIR* listing = opendir(source.directory.c_str());
        if (!listing) continue;
        while (dirent* entry = readdir(listing)) {
            const std::string name = entry->d_name;
            struct stat info {};
            if (!ends_with_sv(name) || name.size() > 500) continue;
            if (stat((source.directory + name).c_str(), &info) != 0 || !S_ISREG(info.st_mode))
                continue;
            entries.push_back({name, source.users});
        }
        closedir(listing);
    }
    // Sorting by the name without extension keeps the file-name list and the selector in step.
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        const int order = strcasecmp(stem(a.name).c_str(), stem(b.name).c_str());
        if (order != 0) return order < 0;
        if (a.users != b.users) return a.users > b.users;
        return a.name < b.name;
    });
    if (entries.size() > MAX_MODULES) entries.resize(MAX_MODULES);
    module_files.clear();
    module_is_users.clear();
    for (const Entry& entry : entries) {
        module_files.push_back(entry.name);
        module_is_users.push_back(entry.users);
    }
}

std::string module_file_path(int index) {
    const size_t i = static_cast<size_t>(index);
    const bool users = i < module_is_users.size() && module_is_users[i];
    return (users ? user_module_library() : module_library()) + module_files[i];
}

std::string module_display_name(int index) {
    return stem(module_files[static_cast<size_t>(index)]);
}

bool module_included(const std::string& file_name) {
    return get_private_profile_int("cycle", file_name.c_str(), 0, SETTINGS_FILE) != 0;
}

void set_module_included(const std::string& file_name, bool included) {
    write_private_profile_string("cycle", file_name.c_str(), included ? "1" : "0", SETTINGS_FILE);
}

void rebuild_cycle_order() {
    const int n = static_cast<int>(module_files.size());
    next_module.assign(static_cast<size_t>(n), 0);
    shuffled_module.assign(static_cast<size_t>(n), 0);
    first_included_module = 0;
    int first = -1;
    for (int i = 0; i < n && first < 0; ++i)
        if (module_included(module_files[static_cast<size_t>(i)])) first = i;
    if (first < 0) return;

    first_included_module = first;
    std::fill(next_module.begin(), next_module.end(), -1);
    std::fill(shuffled_module.begin(), shuffled_module.end(), -1);
    std::vector<int> order;
    int previous = first;
    for (int j = first + 1; j < n; ++j) {
        if (!module_included(module_files[static_cast<size_t>(j)])) continue;
        next_module[static_cast<size_t>(previous)] = j;
        order.push_back(j);
        previous = j;
    }
    const int k = static_cast<int>(order.size());
    if (k == 0) {
        std::fill(next_module.begin(), next_module.end(), first);
        std::fill(shuffled_module.begin(), shuffled_module.end(), first);
        return;
    }
    next_module[static_cast<size_t>(previous)] = first;
    order.push_back(first);

    for (int i = 0; i <= k; ++i) {
        int r;
        do {
            uint32_t mask = static_cast<uint32_t>(k);
            for (int step = 0; step < 16; ++step) {
                step_shuffle_register();
                mask |= mask >> 1;
            }
            r = static_cast<int>((shuffle_register >> 8) & mask);
            if (r > k) r -= k;
        } while (r == i && k > 1);
        std::swap(order[static_cast<size_t>(i)], order[static_cast<size_t>(r)]);
    }
    int m = 0;
    for (int i = 0; i < n; ++i)
        if (next_module[static_cast<size_t>(i)] != -1)
            shuffled_module[static_cast<size_t>(i)] = order[static_cast<size_t>(m++)];
}
