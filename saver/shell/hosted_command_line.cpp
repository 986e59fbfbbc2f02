#include "saver/shell/hosted_command_line.h"

#include "platform/hosted.h"

#include <cctype>
#include <cstring>

namespace {

constexpr unsigned long LARGEST_WINDOW_ID = 0xFFFFFFFFul; // X resource ids are 32-bit

// "-name" or "--name"; for an option with a value, "--name=value" too (the value then in
// *inline_value).
bool is_option(const char* argument, const char* name, const char** inline_value = nullptr) {
    if (argument[0] != '-') return false;
    const char* rest = argument[1] == '-' ? argument + 2 : argument + 1;
    const size_t length = std::strlen(name);
    if (std::strncmp(rest, name, length) != 0) return false;
    if (rest[length] == '\0') return true;
    if (inline_value && rest[length] == '=') {
        *inline_value = rest + length + 1;
        return true;
    }
    return false;
}

// The error stays one readable line whatever the host put into the variable.
std::string quoted(const char* text) {
    constexpr size_t LONGEST_SHOWN = 40;
    std::string shown;
    for (; *text && shown.size() < LONGEST_SHOWN; ++text)
        shown += std::isprint(static_cast<unsigned char>(*text)) ? *text : '?';
    if (*text) shown += "...";
    return "\"" + shown + "\"";
}

} // namespace

bool parse_window_id(const char* text, unsigned long* id) {
    if (!text) return false;
    unsigned base = 10;
    if (text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text += 2;
    }
    if (*text == '\0') return false;
    unsigned long value = 0;
    for (; *text; ++text) {
        const unsigned char c = static_cast<unsigned char>(*text);
        unsigned digit;
        if (std::isdigit(c))
            digit = c - '0';
        else if (base == 16 && std::isxdigit(c))
            digit = static_cast<unsigned>(std::tolower(c) - 'a' + 10);
        else
            return false;
        value = value * base + digit;
        if (value > LARGEST_WINDOW_ID) return false;
    }
    if (value == 0) return false;
    *id = value;
    return true;
}

HostedRequest hosted_request(int argc, const char* const* argv, const char* environment_window) {
    HostedRequest request;
    bool root = false;
    const char* given_id = nullptr;
    bool id_missing = false;
    for (int i = 1; i < argc; ++i) {
        const char* inline_value = nullptr;
        if (is_option(argv[i], "root")) {
            root = true;
        } else if (is_option(argv[i], "fps")) {
            request.show_frame_rate = true;
        } else if (is_option(argv[i], "window-id", &inline_value)) {
            if (inline_value) {
                given_id = inline_value;
            } else if (i + 1 < argc) {
                given_id = argv[++i];
            } else {
                id_missing = true;
            }
        }
    }
    request.hosted = root || given_id || id_missing;
    if (!request.hosted) return request;
    // The preview names its window itself; -root takes the host's variable, or the whole
    // screen when a plain session starts us without one.
    const char* id_text = given_id;
    const char* source = "-window-id";
    if (!id_text && !id_missing && environment_window && *environment_window) {
        id_text = environment_window;
        source = "XSCREENSAVER_WINDOW";
    }
    if (id_missing) {
        request.error = "-window-id needs a window id";
    } else if (!id_text) {
        request.window = HOST_ROOT_WINDOW;
    } else if (!parse_window_id(id_text, &request.window)) {
        request.error = std::string(source) + " " + quoted(id_text) + " is not a window id";
    }
    return request;
}
