#include "setup/xscreensaver_entry.h"

#include "platform/files.h"
#include "platform/paths.h"

#include <climits>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <vector>

namespace {

constexpr const char* SHOWN_NAME = "\"Solvantrix\"";
constexpr std::streamsize LARGEST_FILE = 4 << 20;

// The command as the host's shell reads it.
std::string shell_word(const std::string& word) {
    if (word.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789"
                               "/._-+,:@%") == std::string::npos)
        return word;
    std::string quoted = "'";
    for (char c : word) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

struct Line {
    size_t begin, end; // end is past the line feed, or the text's end
};

Line line_at(const std::string& text, size_t begin) {
    const size_t feed = text.find('\n', begin);
    return {begin, feed == std::string::npos ? text.size() : feed + 1};
}

// A line whose value goes on in the next one: a backslash right before the line end.
bool continues(const std::string& text, const Line& line) {
    size_t last = line.end;
    if (last > line.begin && text[last - 1] == '\n') --last;
    return last > line.begin && text[last - 1] == '\\';
}

bool is_programs_header(const std::string& text, const Line& line) {
    size_t at = line.begin;
    while (at < line.end && (text[at] == ' ' || text[at] == '\t')) ++at;
    if (at < line.end && text[at] == '*') ++at;
    return text.compare(at, 9, "programs:") == 0;
}

// The lines of the `programs` value after its header: every one but the last continues.
// False when there is no header or the value does not go on past the header line.
bool programs_lines(const std::string& text, std::vector<Line>* lines) {
    for (size_t at = 0; at < text.size();) {
        Line header = line_at(text, at);
        if (is_programs_header(text, header)) {
            if (!continues(text, header)) return false;
            lines->clear();
            for (size_t next = header.end; next < text.size();) {
                Line line = line_at(text, next);
                lines->push_back(line);
                if (!continues(text, line)) break;
                next = line.end;
            }
            return true;
        }
        at = header.end;
    }
    return false;
}

bool holds(const std::string& text, const Line& line, const std::string& what) {
    const size_t found = text.find(what, line.begin);
    return found != std::string::npos && found + what.size() <= line.end;
}

bool read_bounded(const std::string& path, std::string* text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream content;
    content << in.rdbuf();
    *text = content.str();
    return static_cast<std::streamsize>(text->size()) <= LARGEST_FILE;
}

// The user's file, the real one behind a link; empty when there is none.
std::string preferences_file() {
    const std::string path = home_directory() + "/.xscreensaver";
    char real[PATH_MAX];
    if (!realpath(path.c_str(), real)) return std::string();
    struct stat info {};
    if (stat(real, &info) != 0 || !S_ISREG(info.st_mode)) return std::string();
    return real;
}

template <typename Edit> bool edit_preferences(Edit edit) {
    const std::string path = preferences_file();
    std::string text;
    if (path.empty() || !read_bounded(path, &text) || !edit(&text)) return false;
    struct stat info {};
    const unsigned mode = stat(path.c_str(), &info) == 0 ? info.st_mode & 07777 : 0644;
    return write_file_atomically(path, text, mode);
}

} // namespace

std::string xscreensaver_entry_line(const std::string& program) {
    return std::string("  GL: \t\t\t\t") + SHOWN_NAME + " " + shell_word(program) +
           " --root\t\t\t    \\n\\\n";
}

bool add_xscreensaver_entry(std::string* text, const std::string& program) {
    std::vector<Line> lines;
    if (!programs_lines(*text, &lines)) return false;
    for (const Line& line : lines)
        if (holds(*text, line, SHOWN_NAME)) return false;
    const std::string entry = xscreensaver_entry_line(program);
    if (lines.empty() || continues(*text, lines.back())) {
        // The list runs into the end of the file: the entry goes last, unless the file was
        // cut off inside a line.
        if (text->empty() || text->back() != '\n') return false;
        text->append(entry);
        return true;
    }
    text->insert(lines.back().begin, entry);
    return true;
}

bool remove_xscreensaver_entry(std::string* text, const std::string& program) {
    std::vector<Line> lines;
    if (!programs_lines(*text, &lines)) return false;
    const std::string entry = xscreensaver_entry_line(program);
    for (const Line& line : lines)
        if (text->compare(line.begin, line.end - line.begin, entry) == 0) {
            text->erase(line.begin, line.end - line.begin);
            return true;
        }
    // Rewritten by the host's settings program in its own spacing; still ours by name and
    // command, and only a line the list goes on after can go without breaking the list.
    for (const Line& line : lines)
        if (holds(*text, line, SHOWN_NAME) && holds(*text, line, shell_word(program)) &&
            continues(*text, line)) {
            text->erase(line.begin, line.end - line.begin);
            return true;
        }
    return false;
}

bool register_with_xscreensaver(const std::string& program) {
    return edit_preferences(
        [&](std::string* text) { return add_xscreensaver_entry(text, program); });
}

bool unregister_from_xscreensaver(const std::string& program) {
    return edit_preferences(
        [&](std::string* text) { return remove_xscreensaver_entry(text, program); });
}
