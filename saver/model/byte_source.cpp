#include "saver/model/byte_source.h"

#include <algorithm>
#include <cstring>

namespace {

size_t read_memory(void* context, uint8_t* buffer, size_t size) {
    auto* cursor = static_cast<MemoryCursor*>(context);
    const size_t left = cursor->at < cursor->size ? cursor->size - cursor->at : 0;
    const size_t taken = std::min(left, size);
    if (taken) std::memcpy(buffer, cursor->data + cursor->at, taken);
    cursor->at += taken;
    return taken;
}

} // namespace

ByteSource memory_source(MemoryCursor* cursor) {
    return {read_memory, cursor};
}
