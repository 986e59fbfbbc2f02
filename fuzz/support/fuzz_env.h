// Fuzz targets touch files only inside a scratch directory of their own, which also holds the
// XDG directories, so a run never reads or writes the user's configuration.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The scratch directory, made on first use and removed when the process exits; no final "/".
const std::string& fuzz_scratch();
// Writes the bytes to a file, replacing it; false when that fails.
bool write_bytes(const std::string& path, const uint8_t* data, size_t size);
