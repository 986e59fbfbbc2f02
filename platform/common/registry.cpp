#include "platform/registry.h"

#include "platform/profile.h"

#include <vector>

namespace {

constexpr const char* REGISTRY_FILE = "registry.ini";

std::string key_path(const char* root, const char* subkey) {
    return std::string(root ? root : "") + "\\" + (subkey ? subkey : "");
}

} // namespace

bool reg_query_value(const char* root, const char* subkey, const char* name, std::string* value) {
    if (!name || !value) return false;
    const std::string section = key_path(root, subkey);
    // No stored value can hold a line end, so this default tells an absent value from an
    // empty one.
    const std::string absent = "\n";
    std::vector<char> buffer(512);
    for (;;) {
        const unsigned size = static_cast<unsigned>(buffer.size());
        const unsigned length = get_private_profile_string(section.c_str(), name, absent.c_str(),
                                                           buffer.data(), size, REGISTRY_FILE);
        if (length + 1 < size) {
            const std::string found(buffer.data(), length);
            if (found == absent) return false;
            *value = found;
            return true;
        }
        buffer.resize(buffer.size() * 2);
    }
}

bool reg_key_exists(const char* root, const char* subkey) {
    return private_profile_section_exists(key_path(root, subkey).c_str(), REGISTRY_FILE);
}

bool reg_set_value(const char* root, const char* subkey, const char* name, const char* value) {
    if (!name || !value) return false;
    return write_private_profile_string(key_path(root, subkey).c_str(), name, value, REGISTRY_FILE);
}

bool reg_delete_value(const char* root, const char* subkey, const char* name) {
    std::string unused;
    if (!name || !reg_query_value(root, subkey, name, &unused)) return false;
    return write_private_profile_string(key_path(root, subkey).c_str(), name, nullptr,
                                        REGISTRY_FILE);
}

bool reg_delete_key(const char* root, const char* subkey) {
    if (!reg_key_exists(root, subkey)) return false;
    return write_private_profile_string(key_path(root, subkey).c_str(), nullptr, nullptr,
                                        REGISTRY_FILE);
}
