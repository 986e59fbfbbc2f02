// Unpacking the carried product files into the install directory, one step at a time so
// that the dialog's progress bar moves between them.
#pragma once

#include <cstdint>
#include <string>

enum class UnpackResult {
    ok,
    failed,           // a file could not be written or a needed file is not carried
    directory_failed, // `library`, `images` or a module data directory could not be made
};

// What the install needs on the disk, in bytes: never less than 16 megabytes.
uint64_t required_free_space();
// The free bytes of the file system that holds the directory, or 0 when unknown.
uint64_t free_space_of(const std::string& directory);

// The remover, the screen-saver program, the start of the remove list, the manual and the
// two directories.
UnpackResult unpack_start();
// One image (index below the image count) or one package (after the images).
int unpack_item_count();
UnpackResult unpack_item(int index);
// The remove list's last record and closing zeros, the launcher, the uninstall entry and the
// XScreenSaver entry.
UnpackResult unpack_finish();
// After a failed unpack: the records so far, so that nothing written is unaccounted for.
void unpack_abandon();
// The first settings, in their order; `path` ends with "/", `installpath` does not.
bool write_first_settings();
