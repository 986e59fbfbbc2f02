// File names and file modes as the program's stored paths need them.
#pragma once

#include <cstddef>
#include <string>

// The path as it exists on disk. Names stored by modules and settings were often written on
// a system where case does not count: a part of the path that does not exist as written is
// taken from the one entry of its directory whose name matches regardless of case (the
// first in name order when several do). A part found neither way stays as written, and so
// does the rest of the path after it.
std::string find_path_any_case(const std::string& path);

// Gives `replacement` the permission bits of `existing` before it is renamed over it, so
// that rewriting a file never widens who may read it. True when `existing` does not exist.
bool keep_file_mode(const std::string& existing, const std::string& replacement);

// Writes every byte, retrying short and interrupted writes; false on the first real failure.
bool write_all(int fd, const void* bytes, size_t size);

// Temporary files beside a target are named ".NAME.tmp-PID-N" after the process writing them,
// so that what a killed writer left can be told from what a live one is still writing.
// Creates one beside `path` exclusively (an existing file or link of that name is never written
// through), with `mode` before the umask, and returns its descriptor with its name in
// *temporary, or -1. Leftovers beside `path` of writers that have died are removed first.
int create_temporary_beside(const std::string& path, unsigned mode, std::string* temporary);
// Ends this process's use of a temporary made above, once it is renamed into place or removed.
void release_temporary(const std::string& temporary);

// One file of a set that replaces its targets together: the bytes go to a temporary made as
// above (mode 0666 before the umask, or the permission bits of `path` when it exists), synced
// and closed. The name is in *temporary whenever the temporary was created; the caller renames
// it into place or removes it, then releases it.
enum class TemporaryWrite { written, not_created, not_written };
TemporaryWrite write_temporary_beside(const std::string& path, const void* bytes, size_t size,
                                      std::string* temporary);

// Files that are complete or absent: the bytes go to a temporary file in the target's
// directory, which is synced and renamed over the target with the given mode bits. On failure
// nothing is left and the old file, if any, is untouched.
bool write_file_atomically(const std::string& path, const void* bytes, size_t size,
                           unsigned mode = 0644);
inline bool write_file_atomically(const std::string& path, const std::string& bytes,
                                  unsigned mode = 0644) {
    return write_file_atomically(path, bytes.data(), bytes.size(), mode);
}
