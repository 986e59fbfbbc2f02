// Files that are complete or absent: written beside their target and renamed into place.
#pragma once

#include <cstddef>
#include <string>

// Writes the bytes to a temporary file in the target's directory, syncs it and renames it
// over the target with the given mode bits. On failure nothing is left and the old file,
// if any, is untouched.
bool write_file_atomically(const std::string& path, const void* bytes, size_t size,
                           unsigned mode = 0644);
inline bool write_file_atomically(const std::string& path, const std::string& bytes,
                                  unsigned mode = 0644) {
    return write_file_atomically(path, bytes.data(), bytes.size(), mode);
}
