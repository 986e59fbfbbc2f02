#include "platform/profile.h"

#include "platform/common/ini_text.h"
#include "platform/common/profile_file.h"
#include "platform/paths.h"
#include "platform/settings_lock.h"

#include <climits>
#include <cstring>
#include <mutex>
#include <optional>

namespace {

// The store is program-wide; the lock keeps a read-modify-write of one caller whole.
std::mutex store_lock;

std::string path_of(const char* file) {
    return resolve_profile_path(file);
}

bool usable_name(const char* file) {
    return file && *file;
}

// The value of section/key, cut at an embedded NUL as a C caller would see it. False when
// the section or key is absent.
bool find_value(const IniText& ini, const char* section, const char* key, std::string* value) {
    const IniSection* found = ini_find_section(ini, trim_blanks(section));
    if (!found) return false;
    const long line = ini_find_key(ini, *found, trim_blanks(key));
    if (line < 0) return false;
    const std::string_view text = ini_value(ini_line(ini, static_cast<uint32_t>(line)));
    *value = std::string(text.substr(0, text.find('\0')));
    return true;
}

unsigned copy_cut(const char* text, std::size_t length, char* buffer, unsigned size) {
    const std::size_t copied = length < size - 1 ? length : size - 1;
    std::memcpy(buffer, text, copied);
    buffer[copied] = '\0';
    return static_cast<unsigned>(copied);
}

bool has_line_end(const char* text) {
    return std::strpbrk(text, "\r\n") != nullptr;
}

// Names that would read back as something else are refused rather than written: a "]" ends
// a section name early, a key holding "=" splits, and a line end in any of them would inject
// lines into the file.
bool writable_section(std::string_view name) {
    return name.find_first_of("]\r\n") == std::string_view::npos;
}

bool writable_key(std::string_view key) {
    return !key.empty() && key.front() != ';' && key.front() != '[' &&
           key.find_first_of("=\r\n") == std::string_view::npos;
}

} // namespace

int get_private_profile_int(const char* section, const char* key, int default_value,
                            const char* file) {
    if (!section || !key || !usable_name(file)) return default_value;
    std::string value;
    {
        std::lock_guard<std::mutex> hold(store_lock);
        ProfileLoad status;
        const auto ini = load_profile(path_of(file), &status);
        if (!find_value(*ini, section, key, &value)) return default_value;
    }
    if (value.empty()) return default_value;
    std::size_t at = 0;
    const bool negative = value[0] == '-';
    if (value[0] == '-' || value[0] == '+') at = 1;
    long long magnitude = 0;
    for (; at < value.size() && value[at] >= '0' && value[at] <= '9'; ++at) {
        // Saturate: a huge number reads as the largest int, not as a wrapped one.
        magnitude = magnitude * 10 + (value[at] - '0');
        if (magnitude > static_cast<long long>(INT_MAX) + 1)
            magnitude = static_cast<long long>(INT_MAX) + 1;
    }
    const long long result = negative ? -magnitude : magnitude;
    if (result > INT_MAX) return INT_MAX;
    return static_cast<int>(result);
}

unsigned get_private_profile_string(const char* section, const char* key, const char* default_value,
                                    char* buffer, unsigned size, const char* file) {
    if (!buffer || size == 0) return 0;
    const char* fallback = default_value ? default_value : "";
    if (!section || !key || !usable_name(file)) {
        return copy_cut(fallback, std::strlen(fallback), buffer, size);
    }
    std::string value;
    {
        std::lock_guard<std::mutex> hold(store_lock);
        ProfileLoad status;
        const auto ini = load_profile(path_of(file), &status);
        if (!find_value(*ini, section, key, &value)) value = fallback;
    }
    return copy_cut(value.data(), value.size(), buffer, size);
}

bool write_private_profile_string(const char* section, const char* key, const char* value,
                                  const char* file) {
    if (!section && !key && !value) {
        if (!usable_name(file)) return false;
        std::lock_guard<std::mutex> hold(store_lock);
        return flush_profile(path_of(file));
    }
    if (!section || !usable_name(file)) return false;
    const std::string_view section_name = trim_blanks(section);
    if (!writable_section(section_name)) return false;
    const std::string_view key_name = key ? trim_blanks(key) : std::string_view();
    if (key && !writable_key(key_name)) return false;
    if (value && has_line_end(value)) return false;

    // A settings file is shared with other running copies: its read-modify-write is theirs too.
    std::optional<SettingsLock> across_copies;
    if (std::strpbrk(file, "/\\") == nullptr) across_copies.emplace();
    std::lock_guard<std::mutex> hold(store_lock);
    const std::string path = path_of(file);
    ProfileLoad status;
    const auto ini = load_profile(path, &status);
    // A file too large or unreadable to parse is never rewritten: that would lose its content.
    if (status == ProfileLoad::refused) return false;
    std::string updated;
    bool changed;
    if (!key) {
        changed = ini_delete_section(*ini, section_name, &updated);
    } else if (!value) {
        changed = ini_delete_key(*ini, section_name, key_name, &updated);
    } else {
        changed = ini_set_value(*ini, section_name, key_name, trim_blanks(value), &updated);
    }
    if (!changed) return true;
    if (updated.size() > INI_MAX_BYTES) return false;
    return store_profile(path, std::move(updated));
}

unsigned get_private_profile_section(const char* section, char* buffer, unsigned size,
                                     const char* file) {
    if (!buffer || size == 0) return 0;
    if (size == 1) {
        buffer[0] = '\0';
        return 0;
    }
    unsigned used = 0;
    if (section && usable_name(file)) {
        std::lock_guard<std::mutex> hold(store_lock);
        ProfileLoad status;
        const auto ini = load_profile(path_of(file), &status);
        if (const IniSection* found = ini_find_section(*ini, trim_blanks(section))) {
            for (uint32_t i = found->header_line + 1; i < found->end_line; ++i) {
                if (ini->lines[i].kind != IniLineKind::key) continue;
                const std::string_view line = ini_line(*ini, i);
                std::string entry = std::string(ini_key(line)) + "=" + std::string(ini_value(line));
                // A NUL inside would end the entry early; an empty entry would end the list.
                entry.resize(std::strlen(entry.c_str()));
                if (entry.empty()) continue;
                // Whole entries only: a cut one would hand the caller a wrong value.
                if (used + entry.size() + 1 > size - 1) break;
                std::memcpy(buffer + used, entry.c_str(), entry.size() + 1);
                used += static_cast<unsigned>(entry.size() + 1);
            }
        }
    }
    buffer[used] = '\0';
    if (used == 0) buffer[1] = '\0';
    return used;
}

bool private_profile_section_exists(const char* section, const char* file) {
    if (!section || !usable_name(file)) return false;
    std::lock_guard<std::mutex> hold(store_lock);
    ProfileLoad status;
    const auto ini = load_profile(path_of(file), &status);
    return ini_find_section(*ini, trim_blanks(section)) != nullptr;
}

bool restrict_private_profile(const char* file) {
    if (!usable_name(file)) return false;
    std::lock_guard<std::mutex> hold(store_lock);
    return restrict_profile_file(path_of(file));
}
