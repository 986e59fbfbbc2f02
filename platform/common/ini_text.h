// An INI file held as its exact bytes plus an index of its lines. Edits splice new bytes into
// the old ones, so every line an edit does not touch goes back to disk byte for byte, whatever
// it holds (comments, stray text, NUL bytes, mixed line ends).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

enum class IniLineKind : uint8_t { header, key, other };

struct IniLine {
    uint32_t begin;     // offset of the line's first byte
    uint32_t length;    // bytes before the line end
    uint8_t eol_length; // 0 (last line without an end), 1 (LF or a lone CR) or 2 (CR LF)
    IniLineKind kind;
};

struct IniSection {
    uint32_t header_line; // index of the "[name]" line
    uint32_t end_line;    // one past the section's last line (the next header or the end)
};

struct IniText {
    std::string bytes;
    std::vector<IniLine> lines;
    std::vector<IniSection> sections; // in file order, duplicates included
    // Lower-cased name -> index of its first section in `sections`: the first one is the one
    // that reads and writes address.
    std::unordered_map<std::string, uint32_t> first_section;
    bool crlf = false; // line end for lines we add: the file's first line end
};

// Largest file the store parses (bounded memory for the line index). Module and settings
// files are a few tens of kilobytes.
constexpr std::size_t INI_MAX_BYTES = 16u << 20;

// `bytes` must be at most INI_MAX_BYTES long.
void parse_ini(IniText& ini, std::string bytes);

std::string_view ini_line(const IniText& ini, uint32_t line);
// Trimmed key and value of a key line.
std::string_view ini_key(std::string_view line);
std::string_view ini_value(std::string_view line);
std::string_view trim_blanks(std::string_view text);

const IniSection* ini_find_section(const IniText& ini, std::string_view name);
// Index of the first line of the section with this key, or -1.
long ini_find_key(const IniText& ini, const IniSection& section, std::string_view key);

// Each edit returns the new file bytes in *out, or false when the file would not change.
// Names are expected to be trimmed and to hold no line ends (see ini_name_is_writable).
bool ini_set_value(const IniText& ini, std::string_view section, std::string_view key,
                   std::string_view value, std::string* out);
bool ini_delete_key(const IniText& ini, std::string_view section, std::string_view key,
                    std::string* out);
// Removes every section of this name, so that an older duplicate cannot reappear.
bool ini_delete_section(const IniText& ini, std::string_view section, std::string* out);
