// Settings, module and work files: any bytes as a profile file. Read through the store as the
// program reads it, then edited, and every edit must read back as written while leaving the
// other sections alone.
#include "platform/profile.h"
#include "fuzz/support/fuzz_env.h"
#include "platform/common/ini_text.h"
#include "platform/common/profile_file.h"

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

std::string value_of(const IniText& ini, std::string_view section, std::string_view key) {
    const IniSection* found = ini_find_section(ini, section);
    if (!found) return "<absent>";
    const long line = ini_find_key(ini, *found, key);
    if (line < 0) return "<absent>";
    return std::string(ini_value(ini_line(ini, static_cast<uint32_t>(line))));
}

// Names as the program writes them: trimmed, without line ends, "]" or "=".
std::string clean_name(std::string_view text) {
    std::string name;
    for (char c : trim_blanks(text))
        if (c != '\r' && c != '\n' && c != ']' && c != '=' && c != '\0') name += c;
    std::string_view trimmed = trim_blanks(name);
    while (!trimmed.empty() && (trimmed.front() == ';' || trimmed.front() == '['))
        trimmed = trim_blanks(trimmed.substr(1));
    return std::string(trimmed);
}

bool same_name(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

void check_edits(const IniText& ini) {
    // Names taken from the file itself reach its duplicates and odd spellings.
    std::vector<std::pair<std::string, std::string>> targets = {{"items", "shell0"},
                                                                {"2007", "track10"}};
    if (!ini.sections.empty()) {
        const IniSection& first = ini.sections.front();
        std::string_view header = trim_blanks(ini_line(ini, first.header_line));
        std::string section = clean_name(header.substr(1, header.find(']') - 1));
        for (uint32_t i = first.header_line + 1; i < first.end_line; ++i) {
            if (ini.lines[i].kind != IniLineKind::key) continue;
            targets.push_back({section, clean_name(ini_key(ini_line(ini, i)))});
            break;
        }
        targets.push_back({section, "fuzzkey"});
    }
    for (const auto& [section, key] : targets) {
        if (key.empty()) continue;
        std::string edited;
        IniText after;
        if (ini_set_value(ini, section, key, "on", &edited)) {
            parse_ini(after, edited);
            check(value_of(after, section, key) == "on");
            // Another section's value stays as it was.
            check(value_of(after, "cycle", "timer") == value_of(ini, "cycle", "timer") ||
                  same_name(section, "cycle"));
        } else {
            check(value_of(ini, section, key) == "on");
        }
        if (ini_delete_key(ini, section, key, &edited)) {
            parse_ini(after, edited);
            check(value_of(after, section, key) == "<absent>");
        }
        if (ini_delete_section(ini, section, &edited)) {
            parse_ini(after, edited);
            check(ini_find_section(after, section) == nullptr);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > INI_MAX_BYTES) return 0;
    IniText ini;
    parse_ini(ini, std::string(reinterpret_cast<const char*>(data), size));
    for (const IniLine& line : ini.lines) check(line.begin + line.length <= ini.bytes.size());
    check_edits(ini);

    // The file-level operations, over the same bytes stored as the program stores them.
    static const std::string path = fuzz_scratch() + "/profile.ini";
    check(store_profile(path, ini.bytes));
    char buffer[500];
    get_private_profile_string("items", "shell0", "", buffer, sizeof buffer, path.c_str());
    check(std::strlen(buffer) < sizeof buffer);
    get_private_profile_int("2007", "track10", 0, path.c_str());
    get_private_profile_string("Items", "shell0", "x", buffer, 4, path.c_str());
    check(std::strlen(buffer) < 4);
    char section[2000];
    for (const char* name : {"items", "2000", "cycle"}) {
        const unsigned used =
            get_private_profile_section(name, section, sizeof section, path.c_str());
        check(used < sizeof section && section[used] == '\0');
    }
    check(write_private_profile_string("cycle", "timer", "5", path.c_str()));
    check(get_private_profile_int("CYCLE", "Timer", -1, path.c_str()) == 5);
    return 0;
}
