#include "saver/lock/password_text.h"

#include "platform/profile.h"
#include "platform/registry.h"
#include "saver/model/settings.h"

#include <cctype>
#include <cstring>

namespace {

constexpr const char* DESKTOP_KEY = "Control Panel\\Desktop";
constexpr const char* PASSWORD_OPTION = "ScreenSaveUsePassword";

constexpr char PLAIN[] = "abcdefghijklmnopqrstuvwxyz0123456789_-ABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr char SCRAMBLED[] = "GHjWhlKr-zdqMTemi42IAuakSEJFs0nLZYNco9DP67Rb_1Ug5pQVyBt38CxOXfvw";
static_assert(sizeof PLAIN == 65 && sizeof SCRAMBLED == 65, "both alphabets hold 64 letters");

std::string substitute(const std::string& text, const char* from, const char* to) {
    std::string out = text;
    for (char& c : out) {
        if (c == '\0') continue;
        if (const char* at = std::strchr(from, c)) c = to[at - from];
    }
    return out;
}

std::string lower_case(const std::string& text) {
    std::string out = text;
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

} // namespace

std::string scramble_password(const std::string& plain) {
    return substitute(plain, PLAIN, SCRAMBLED);
}

std::string unscramble_password(const std::string& scrambled) {
    return substitute(scrambled, SCRAMBLED, PLAIN);
}

const char* new_password_fault(const std::string& upper, const std::string& lower) {
    if (lower.size() != upper.size()) return "Enter both again.  Both MUST be the same. ";
    if (lower.size() < 2) return "Your password isn't long enough. ";
    if (lower.size() >= 16) return "Your password is too long. ";
    if (lower != upper) return "Enter both again.  They MUST be the same. ";
    // "ab " would be stored as "ab", and a password of blanks alone as no password at all.
    if (!private_profile_value_kept(scramble_password(lower).c_str()))
        return "Your password cannot begin or end with a blank. ";
    return nullptr;
}

std::string read_stored_password() {
    char buffer[STORED_PASSWORD_READ + 1];
    get_private_profile_string("Items", "sword", "", buffer, sizeof buffer, SETTINGS_FILE);
    return unscramble_password(buffer);
}

bool write_stored_password(const std::string& plain) {
    // Restricted before the password is written, so that it never sits in a readable file.
    return restrict_private_profile(SETTINGS_FILE) &&
           write_private_profile_string("Items", "sword", scramble_password(plain).c_str(),
                                        SETTINGS_FILE) &&
           write_private_profile_string(nullptr, nullptr, nullptr, SETTINGS_FILE);
}

int password_option_from_text(const std::string& text) {
    size_t at = text.find_first_not_of(" \t");
    if (at == std::string::npos) return 0;
    if (text[at] == '+' || text[at] == '-') ++at;
    if (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at]))) {
        for (; at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])); ++at)
            if (text[at] != '0') return 1;
        return 0;
    }
    const std::string word = lower_case(text.substr(text.find_first_not_of(" \t")));
    const std::string trimmed = word.substr(0, word.find_last_not_of(" \t") + 1);
    return trimmed == "on" || trimmed == "yes" || trimmed == "true" ? 1 : 0;
}

int read_password_option() {
    std::string value;
    if (!reg_query_value(HKEY_CURRENT_USER, DESKTOP_KEY, PASSWORD_OPTION, &value)) return 0;
    return password_option_from_text(value);
}

bool write_password_option(bool on) {
    return reg_set_value(HKEY_CURRENT_USER, DESKTOP_KEY, PASSWORD_OPTION, on ? "1" : "0");
}
