#include "platform/common/ini_text.h"

#include <algorithm>

namespace {

bool is_blank(char c) {
    return c == ' ' || c == '\t';
}

char lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string lowered(std::string_view text) {
    std::string result(text);
    for (char& c : result) c = lower(c);
    return result;
}

bool same_name(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return lower(x) == lower(y); });
}

// The name of a header line: the text between "[" and the first "]", trimmed. Anything after
// the "]" (blanks, as module files carry) is ignored. False for a "[" without "]".
bool header_name(std::string_view line, std::string_view* name) {
    std::string_view text = trim_blanks(line);
    if (text.empty() || text.front() != '[') return false;
    const auto close = text.find(']');
    if (close == std::string_view::npos) return false;
    *name = trim_blanks(text.substr(1, close - 1));
    return true;
}

IniLineKind classify(std::string_view line) {
    std::string_view unused;
    if (header_name(line, &unused)) return IniLineKind::header;
    const std::string_view text = trim_blanks(line);
    if (text.empty() || text.front() == ';' || text.front() == '[') return IniLineKind::other;
    const auto equals = text.find('=');
    if (equals == std::string_view::npos || trim_blanks(text.substr(0, equals)).empty()) {
        return IniLineKind::other;
    }
    return IniLineKind::key;
}

const char* line_end(const IniText& ini) {
    return ini.crlf ? "\r\n" : "\n";
}

uint32_t end_of_line(const IniLine& line) {
    return line.begin + line.length + line.eol_length;
}

// Where a new key goes: after the section's last key line, or after its header when it has
// none, so that blank lines separating it from the next section stay after it.
uint32_t insertion_line(const IniText& ini, const IniSection& section) {
    uint32_t anchor = section.header_line;
    for (uint32_t i = section.header_line + 1; i < section.end_line; ++i) {
        if (ini.lines[i].kind == IniLineKind::key) anchor = i;
    }
    return anchor;
}

std::string splice(const IniText& ini, uint32_t from, uint32_t to, std::string_view replacement) {
    std::string result;
    result.reserve(ini.bytes.size() - (to - from) + replacement.size());
    result.append(ini.bytes, 0, from);
    result.append(replacement);
    result.append(ini.bytes, to, std::string::npos);
    return result;
}

} // namespace

std::string_view trim_blanks(std::string_view text) {
    while (!text.empty() && is_blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && is_blank(text.back())) text.remove_suffix(1);
    return text;
}

void parse_ini(IniText& ini, std::string bytes) {
    ini.bytes = std::move(bytes);
    ini.lines.clear();
    ini.sections.clear();
    ini.first_section.clear();
    ini.crlf = false;
    bool style_known = false;
    const std::string& text = ini.bytes;
    const std::size_t size = text.size();
    std::size_t begin = 0;
    while (begin < size) {
        std::size_t end = begin;
        while (end < size && text[end] != '\n' && text[end] != '\r') ++end;
        uint8_t eol = 0;
        if (end < size)
            eol = (text[end] == '\r' && end + 1 < size && text[end + 1] == '\n') ? 2 : 1;
        if (eol && !style_known) {
            ini.crlf = eol == 2;
            style_known = true;
        }
        const std::string_view content(text.data() + begin, end - begin);
        ini.lines.push_back({static_cast<uint32_t>(begin), static_cast<uint32_t>(end - begin), eol,
                             classify(content)});
        begin = end + eol;
    }
    const auto line_count = static_cast<uint32_t>(ini.lines.size());
    for (uint32_t i = 0; i < line_count; ++i) {
        if (ini.lines[i].kind != IniLineKind::header) continue;
        if (!ini.sections.empty()) ini.sections.back().end_line = i;
        std::string_view name;
        header_name(ini_line(ini, i), &name);
        ini.first_section.emplace(lowered(name), static_cast<uint32_t>(ini.sections.size()));
        ini.sections.push_back({i, line_count});
    }
}

std::string_view ini_line(const IniText& ini, uint32_t line) {
    const IniLine& at = ini.lines[line];
    return std::string_view(ini.bytes.data() + at.begin, at.length);
}

std::string_view ini_key(std::string_view line) {
    return trim_blanks(line.substr(0, line.find('=')));
}

std::string_view ini_value(std::string_view line) {
    const auto equals = line.find('=');
    return equals == std::string_view::npos ? std::string_view()
                                            : trim_blanks(line.substr(equals + 1));
}

const IniSection* ini_find_section(const IniText& ini, std::string_view name) {
    const auto found = ini.first_section.find(lowered(name));
    return found == ini.first_section.end() ? nullptr : &ini.sections[found->second];
}

long ini_find_key(const IniText& ini, const IniSection& section, std::string_view key) {
    for (uint32_t i = section.header_line + 1; i < section.end_line; ++i) {
        if (ini.lines[i].kind == IniLineKind::key && same_name(ini_key(ini_line(ini, i)), key)) {
            return static_cast<long>(i);
        }
    }
    return -1;
}

bool ini_set_value(const IniText& ini, std::string_view section, std::string_view key,
                   std::string_view value, std::string* out) {
    const std::string eol = line_end(ini);
    const std::string entry = std::string(key) + "=" + std::string(value);
    const IniSection* found = ini_find_section(ini, section);
    if (!found) {
        std::string addition;
        if (!ini.lines.empty()) {
            const IniLine& last = ini.lines.back();
            if (last.eol_length == 0) addition += eol;
            if (!trim_blanks(ini_line(ini, static_cast<uint32_t>(ini.lines.size() - 1))).empty()) {
                addition += eol;
            }
        }
        addition += "[" + std::string(section) + "]" + eol + entry + eol;
        *out = ini.bytes + addition;
        return true;
    }
    const long existing = ini_find_key(ini, *found, key);
    if (existing >= 0) {
        const IniLine& line = ini.lines[static_cast<uint32_t>(existing)];
        const std::string_view text = ini_line(ini, static_cast<uint32_t>(existing));
        // Keep the key as spelled and any spacing after "=", so the rewrite is minimal.
        std::size_t value_start = text.find('=') + 1;
        while (value_start < text.size() && is_blank(text[value_start])) ++value_start;
        const std::string replaced = std::string(text.substr(0, value_start)) + std::string(value);
        if (replaced == text) return false;
        *out = splice(ini, line.begin, line.begin + line.length, replaced);
        return true;
    }
    const IniLine& anchor = ini.lines[insertion_line(ini, *found)];
    if (anchor.eol_length == 0) {
        *out = splice(ini, end_of_line(anchor), end_of_line(anchor), eol + entry);
    } else {
        *out = splice(ini, end_of_line(anchor), end_of_line(anchor), entry + eol);
    }
    return true;
}

bool ini_delete_key(const IniText& ini, std::string_view section, std::string_view key,
                    std::string* out) {
    const IniSection* found = ini_find_section(ini, section);
    if (!found) return false;
    std::string result;
    uint32_t copied_to = 0;
    bool changed = false;
    // Every duplicate goes, or the next one would surface as the key's value.
    for (uint32_t i = found->header_line + 1; i < found->end_line; ++i) {
        const IniLine& line = ini.lines[i];
        if (line.kind != IniLineKind::key || !same_name(ini_key(ini_line(ini, i)), key)) continue;
        result.append(ini.bytes, copied_to, line.begin - copied_to);
        copied_to = end_of_line(line);
        changed = true;
    }
    if (!changed) return false;
    result.append(ini.bytes, copied_to, std::string::npos);
    *out = std::move(result);
    return true;
}

bool ini_delete_section(const IniText& ini, std::string_view section, std::string* out) {
    std::string result;
    uint32_t copied_to = 0;
    bool changed = false;
    for (const IniSection& candidate : ini.sections) {
        std::string_view name;
        header_name(ini_line(ini, candidate.header_line), &name);
        if (!same_name(name, section)) continue;
        const uint32_t from = ini.lines[candidate.header_line].begin;
        const uint32_t to = end_of_line(ini.lines[candidate.end_line - 1]);
        result.append(ini.bytes, copied_to, from - copied_to);
        copied_to = to;
        changed = true;
    }
    if (!changed) return false;
    result.append(ini.bytes, copied_to, std::string::npos);
    *out = std::move(result);
    return true;
}
