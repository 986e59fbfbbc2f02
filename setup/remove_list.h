// The remove list "uninstal.txt": what an install wrote, for the removal to take away again.
// A record is one length byte L (1 to 255), the L characters of an absolute path, then a
// carriage return and a line feed; two zero bytes follow the last record.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

constexpr size_t REMOVE_RECORD_MAX = 255;

// Appends one record; false (and nothing appended) for an empty path or one longer than
// REMOVE_RECORD_MAX.
bool append_remove_record(std::string* list, const std::string& path);
// Appends the two closing zero bytes.
void close_remove_list(std::string* list);

enum class RemoveListEnd {
    closed,    // the zero length byte
    cut_short, // the data ended at a record boundary without the zero byte, or inside a record
    damaged,   // a record without its carriage return and line feed, or with a zero in its path
};

struct RemoveListRead {
    std::vector<std::string> paths; // the records read before the end, in order
    RemoveListEnd end;
};

// Reads the records of a remove list held in memory. Never reads outside [data, data + size);
// everything after a damaged record is ignored.
RemoveListRead read_remove_list(const unsigned char* data, size_t size);
