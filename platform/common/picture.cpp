#include "platform/picture.h"

#include <map>

namespace {
std::map<std::string, Picture>& pictures() {
    static std::map<std::string, Picture> registered;
    return registered;
}
} // namespace

void register_picture(const std::string& name, Picture picture) {
    pictures()[name] = std::move(picture);
}

const Picture* find_picture(const std::string& name) {
    const auto found = pictures().find(name);
    return found == pictures().end() ? nullptr : &found->second;
}
