// Profile files on disk: parsed copies kept in memory while the file on disk is unchanged,
// and crash-safe replacement of a file's whole content.
#pragma once

#include "platform/common/ini_text.h"

#include <memory>
#include <string>

enum class ProfileLoad {
    parsed,  // the file's content
    absent,  // no such file: an empty text
    refused, // not a regular readable file, or larger than INI_MAX_BYTES: an empty text
};

// The parsed file, from memory when its device, inode, size and modification time are those
// it had when it was parsed, so that a change made by another process is seen.
std::shared_ptr<const IniText> load_profile(const std::string& path, ProfileLoad* status);

// Writes bytes to a temporary file beside `path`, syncs it and renames it over `path`,
// keeping the old file's permissions. On any failure the old file is left as it was and no
// temporary file remains.
bool store_profile(const std::string& path, std::string bytes);
// Makes the file's last writes durable on the disk. True when there is nothing to flush.
bool flush_profile(const std::string& path);
// Gives the file (created empty when absent) mode 0600.
bool restrict_profile_file(const std::string& path);
