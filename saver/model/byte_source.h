// A bounded source of bytes: a file read block by block, or a buffer in memory.
#pragma once

#include <cstddef>
#include <cstdint>

struct ByteSource {
    // Fills up to `size` bytes; 0 once the input has ended.
    size_t (*read)(void* context, uint8_t* buffer, size_t size);
    void* context;
};

// A source over bytes in memory; `cursor` keeps the place and must outlive the source.
struct MemoryCursor {
    const uint8_t* data;
    size_t size;
    size_t at;
};
ByteSource memory_source(MemoryCursor* cursor);
