#include "setup/remove_list.h"

#include <cstring>

bool append_remove_record(std::string* list, const std::string& path) {
    if (path.empty() || path.size() > REMOVE_RECORD_MAX) return false;
    list->push_back(static_cast<char>(path.size()));
    list->append(path);
    list->append("\r\n");
    return true;
}

void close_remove_list(std::string* list) {
    list->append(2, '\0');
}

RemoveListRead read_remove_list(const unsigned char* data, size_t size) {
    RemoveListRead read{{}, RemoveListEnd::cut_short};
    size_t at = 0;
    while (at < size) {
        const size_t length = data[at];
        if (length == 0) {
            read.end = RemoveListEnd::closed;
            return read;
        }
        // The path and its line end must lie wholly inside the data.
        if (size - at - 1 < length + 2) return read;
        const char* path = reinterpret_cast<const char*>(data + at + 1);
        if (std::memchr(path, '\0', length) || path[length] != '\r' || path[length + 1] != '\n') {
            read.end = RemoveListEnd::damaged;
            return read;
        }
        read.paths.emplace_back(path, length);
        at += 1 + length + 2;
    }
    return read;
}
