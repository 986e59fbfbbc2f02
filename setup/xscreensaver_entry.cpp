#include "setup/xscreensaver_entry.h"

#include "platform/files.h"
#include "platform/paths.h"

#include <cctype>
#include <climits>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <vector>

namespace {

constexpr const char* SHOWN_NAME = "Solvantrix";
constexpr std::streamsize LARGEST_FILE = 4 << 20;
// The host's layout: tab stops every 8 columns, commands from column 32, line ends and
// continuations at column 75, wrapped lines indented to column 34.
constexpr int TAB_WIDTH = 8;
constexpr int COMMAND_COLUMN = 32;
constexpr int LINE_END_COLUMN = 75;
constexpr int WRAP_AT_COLUMN = 74;

bool is_blank(char c) {
    return c == ' ' || c == '\t';
}

bool plain_word(const std::string& word) {
    return word.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789"
                                  "/._-+,:@%") == std::string::npos;
}

// The word as the host's shell reads it.
std::string shell_word(const std::string& word) {
    if (plain_word(word)) return word;
    std::string quoted = "'";
    for (char c : word) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

int column_after(const std::string& text, int column) {
    for (char c : text)
        column = c == '\n' ? 0 : c == '\t' ? (column / TAB_WIDTH + 1) * TAB_WIDTH : column + 1;
    return column;
}

// Blanks from one column to another: tabs to the last tab stop on the way, then spaces.
std::string pad(int from, int to) {
    std::string blanks;
    for (const int last_stop = to / TAB_WIDTH * TAB_WIDTH; from < last_stop;
         from = (from / TAB_WIDTH + 1) * TAB_WIDTH)
        blanks += '\t';
    if (from < to) blanks.append(static_cast<size_t>(to - from), ' ');
    return blanks;
}

// The name the host gives a command it has no name for: the last part of its first word,
// with a capital first letter unless it has capitals already.
std::string derived_name(const std::string& command) {
    std::string word = command.substr(0, command.find_first_of(" \t"));
    word = word.substr(word.rfind('/') + 1);
    for (char c : word)
        if (std::isupper(static_cast<unsigned char>(c))) return word;
    if (!word.empty())
        word[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(word[0])));
    return word;
}

// ---- The `programs` list as it stands in the file -------------------------------------------

struct Entry {
    size_t begin, end;   // the bytes that go with the entry: whole lines where it has them
    size_t separator_at; // its "\n" escape, or npos when it closes the list
    std::string command; // as the host runs it: blanks squeezed, "-root" read as "--root"
};

bool at_line_start(const std::string& text, size_t at) {
    return at == 0 || text[at - 1] == '\n';
}

// The start of the line when only blanks stand before `at` on it.
size_t line_start_before(const std::string& text, size_t at) {
    size_t back = at;
    while (back > 0 && is_blank(text[back - 1])) --back;
    return at_line_start(text, back) ? back : at;
}

// What the host reads from one entry: an optional "-", an optional "visual:", an optional
// "name" in double quotes, and the command.
std::string command_of(const std::string& entry) {
    size_t at = entry.find_first_not_of(" \t\n");
    if (at == std::string::npos) return std::string();
    if (entry[at] == '-') at = entry.find_first_not_of(" \t\n", at + 1);
    size_t word_end = at;
    while (word_end < entry.size() && entry[word_end] != ':' && entry[word_end] != '"' &&
           !std::isspace(static_cast<unsigned char>(entry[word_end])))
        ++word_end;
    if (word_end < entry.size() && entry[word_end] == ':')
        at = entry.find_first_not_of(" \t\n", word_end + 1);
    if (at != std::string::npos && entry[at] == '"') {
        const size_t closing = entry.find('"', at + 1);
        at = closing == std::string::npos ? std::string::npos
                                          : entry.find_first_not_of(" \t\n", closing + 1);
    }
    std::string command;
    for (; at < entry.size(); ++at) {
        if (std::isspace(static_cast<unsigned char>(entry[at]))) {
            if (!command.empty() && command.back() != ' ') command += ' ';
        } else {
            command += entry[at];
        }
    }
    while (!command.empty() && command.back() == ' ') command.pop_back();
    const std::string old_root = " -root";
    if (command.size() > old_root.size() &&
        command.compare(command.size() - old_root.size(), old_root.size(), old_root) == 0)
        command.insert(command.size() - 5, "-");
    return command;
}

struct ProgramsList {
    std::vector<Entry> entries;
    bool multi_line = false; // the header line goes on past its line end
};

size_t programs_header_end(const std::string& text) {
    for (size_t at = 0; at < text.size();) {
        size_t key = at;
        while (key < text.size() && is_blank(text[key])) ++key;
        if (key < text.size() && text[key] == '*') ++key;
        if (text.compare(key, 9, "programs:") == 0) return key + 9;
        const size_t feed = text.find('\n', at);
        if (feed == std::string::npos) break;
        at = feed + 1;
    }
    return std::string::npos;
}

// Reads the value as the host does: a backslash before a line end joins the lines, "\n" ends
// an entry, any other backslash escapes the next character, a plain line end ends the value.
bool read_programs(const std::string& text, ProgramsList* list) {
    size_t at = programs_header_end(text);
    if (at == std::string::npos) return false;
    std::string decoded;
    size_t first_visible = std::string::npos;
    auto finish = [&](size_t end, size_t separator_at) {
        if (first_visible != std::string::npos)
            list->entries.push_back(
                {line_start_before(text, first_visible), end, separator_at, command_of(decoded)});
        decoded.clear();
        first_visible = std::string::npos;
    };
    while (at < text.size()) {
        const char c = text[at];
        if (c == '\n') {
            finish(at, std::string::npos);
            return true;
        }
        if (c != '\\' || at + 1 >= text.size()) {
            if (!is_blank(c) && first_visible == std::string::npos) first_visible = at;
            decoded += c;
            ++at;
            continue;
        }
        const char escaped = text[at + 1];
        if (escaped == '\n') {
            if (first_visible == std::string::npos) list->multi_line = true;
            at += 2;
        } else if (escaped == 'n') {
            // An entry that starts its own line takes the continuation after it along.
            size_t end = at + 2;
            size_t after = end;
            while (after < text.size() && is_blank(text[after])) ++after;
            if (first_visible != std::string::npos &&
                at_line_start(text, line_start_before(text, first_visible)) &&
                text.compare(after, 2, "\\\n") == 0)
                end = after + 2;
            const size_t separator_at = at;
            finish(end, separator_at);
            at = end;
        } else {
            if (first_visible == std::string::npos) first_visible = at;
            decoded += escaped == 't' ? '\t' : escaped == 'r' ? '\r' : escaped;
            at += 2;
        }
    }
    finish(at, std::string::npos);
    return true;
}

// Every form our entry's command has had: the program as a plain or quoted word, or named
// through the shell's "~".
bool is_ours(const Entry& entry, const std::string& program) {
    return entry.command == xscreensaver_command(program) ||
           entry.command == shell_word(program) + " --root" || entry.command == program + " --root";
}

// ---- `selected:` ------------------------------------------------------------------------------

// The value of `selected:` with where its digits stand; false without one.
bool find_selected(const std::string& text, size_t* begin, size_t* end, long* value) {
    for (size_t at = 0; at < text.size();) {
        size_t key = at;
        while (key < text.size() && is_blank(text[key])) ++key;
        if (text.compare(key, 9, "selected:") == 0) {
            size_t digits = key + 9;
            while (digits < text.size() && is_blank(text[digits])) ++digits;
            size_t stop = digits;
            if (stop < text.size() && text[stop] == '-') ++stop;
            while (stop < text.size() && std::isdigit(static_cast<unsigned char>(text[stop])))
                ++stop;
            if (stop == digits) return false;
            *begin = digits;
            *end = stop;
            *value = std::strtol(text.c_str() + digits, nullptr, 10);
            return true;
        }
        const size_t feed = text.find('\n', at);
        if (feed == std::string::npos) break;
        at = feed + 1;
    }
    return false;
}

void set_selected(std::string* text, long value) {
    size_t begin = 0, end = 0;
    long old = 0;
    if (find_selected(*text, &begin, &end, &old))
        text->replace(begin, end - begin, std::to_string(value));
}

long selected_of(const std::string& text) {
    size_t begin = 0, end = 0;
    long value = -1;
    return find_selected(text, &begin, &end, &value) ? value : -1;
}

// ---- The user's file ------------------------------------------------------------------------

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

std::string xscreensaver_command(const std::string& program) {
    const std::string home = home_directory();
    const std::string below_home =
        program.compare(0, home.size() + 1, home + "/") == 0 ? program.substr(home.size()) : "";
    // A blank in the home path: the shell's "~" puts it back within one word. The host runs a
    // command through the shell only when it holds a shell character, hence the quoted
    // "--root"; and the command must not start with a double quote, which the host would read
    // as a name.
    if (!plain_word(program) && !below_home.empty() && plain_word(below_home))
        return "~" + below_home + " \"--root\"";
    return shell_word(program) + " --root";
}

std::string xscreensaver_entry_lines(const std::string& program) {
    const std::string command = xscreensaver_command(program);
    std::string entry = "  GL: ";
    if (derived_name(command) != SHOWN_NAME) {
        const int quoted = static_cast<int>(std::string(SHOWN_NAME).size()) + 2;
        const int column = column_after(entry, 0);
        entry += column + quoted < COMMAND_COLUMN ? pad(column, COMMAND_COLUMN - quoted - 2) : " ";
        entry += std::string("\"") + SHOWN_NAME + "\" ";
    }
    entry += pad(column_after(entry, 0), COMMAND_COLUMN) + command;

    std::string lines;
    int column = 0;
    if (column_after(entry, 0) <= LINE_END_COLUMN) {
        lines = entry;
        column = column_after(entry, 0);
    } else {
        // Word by word, a word that would reach past the wrap column going to a new line.
        for (size_t start = 0, end = 0; start < entry.size(); start = end) {
            while (end < entry.size() && is_blank(entry[end])) ++end;
            while (end < entry.size() && !is_blank(entry[end])) ++end;
            if (column_after(entry.substr(start, end - start), column) >= WRAP_AT_COLUMN) {
                lines += pad(column, LINE_END_COLUMN) + "   \\\n";
                lines += pad(0, COMMAND_COLUMN + 2);
                column = COMMAND_COLUMN + 2;
                while (start < end && is_blank(entry[start])) ++start;
            }
            column = column_after(entry.substr(start, end - start), column);
            lines += entry.substr(start, end - start);
        }
    }
    return lines + pad(column, LINE_END_COLUMN) + " \\n\\\n";
}

bool add_xscreensaver_entry(std::string* text, const std::string& program) {
    ProgramsList list;
    if (!read_programs(*text, &list) || !list.multi_line) return false;
    // A file cut off inside a line is not ours to finish.
    if (text->empty() || text->back() != '\n') return false;
    for (const Entry& entry : list.entries)
        if (is_ours(entry, program)) return false;
    size_t insert_at;
    if (list.entries.empty()) {
        insert_at = text->find('\n', programs_header_end(*text)) + 1;
    } else if (list.entries.back().separator_at != std::string::npos) {
        insert_at = list.entries.back().end;
    } else if (at_line_start(*text, list.entries.back().begin)) {
        // The last entry closes the list: ours goes before it, whole lines before whole lines.
        insert_at = list.entries.back().begin;
    } else {
        return false;
    }
    if (!at_line_start(*text, insert_at)) return false;
    size_t index = 0;
    while (index < list.entries.size() && list.entries[index].begin < insert_at) ++index;
    const long selected = selected_of(*text);
    text->insert(insert_at, xscreensaver_entry_lines(program));
    // Only a number that names an entry moves with it; any other stays as it is.
    if (selected >= static_cast<long>(index) && selected < static_cast<long>(list.entries.size()))
        set_selected(text, selected + 1);
    return true;
}

bool remove_xscreensaver_entry(std::string* text, const std::string& program) {
    bool removed = false;
    for (;;) {
        ProgramsList list;
        if (!read_programs(*text, &list)) return removed;
        size_t index = 0;
        while (index < list.entries.size() && !is_ours(list.entries[index], program)) ++index;
        if (index == list.entries.size()) return removed;
        const Entry& entry = list.entries[index];
        size_t begin = entry.begin;
        if (entry.separator_at == std::string::npos && index > 0 &&
            list.entries[index - 1].separator_at != std::string::npos)
            // The entry closes the list: the one before it closes it now, so its separator
            // and the continuation after it go too.
            begin = list.entries[index - 1].separator_at;
        const long selected = selected_of(*text);
        text->erase(begin, entry.end - begin);
        if (selected == static_cast<long>(index)) set_selected(text, -1);
        if (selected > static_cast<long>(index)) set_selected(text, selected - 1);
        removed = true;
    }
}

bool register_with_xscreensaver(const std::string& program) {
    return edit_preferences(
        [&](std::string* text) { return add_xscreensaver_entry(text, program); });
}

bool unregister_from_xscreensaver(const std::string& program) {
    return edit_preferences(
        [&](std::string* text) { return remove_xscreensaver_entry(text, program); });
}
