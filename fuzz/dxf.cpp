// Model import of a DXF drawing: any bytes, delivered in reads of a size the input picks, with
// the generator sliders that set the import's scale, thinning and skip. The first four bytes
// are those choices; the drawing follows.
#include "saver/model/dxf_reader.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int SLIDER_TOP = 128;

struct ChunkedInput {
    const uint8_t* data;
    size_t size, at, chunk;
};

size_t read_chunk(void* context, uint8_t* buffer, size_t size) {
    auto* input = static_cast<ChunkedInput*>(context);
    const size_t taken = std::min({size, input->chunk, input->size - input->at});
    std::memcpy(buffer, input->data + input->at, taken);
    input->at += taken;
    return taken;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 4) return 0;
    static uint8_t stars[PLANE_COUNT][STAR_COUNT];
    const DxfImport import = dxf_import_from_sliders(
        data[0] % (SLIDER_TOP + 1), data[1] % (SLIDER_TOP + 1), data[2] % (SLIDER_TOP + 1));
    ChunkedInput input{data + 4, size - 4, 0, data[3] % 2 ? size_t{1024} : data[3] % 61 + 1u};
    const long long points = read_dxf({read_chunk, &input}, import, stars);
    // Every point takes at least a group code and three values, one line each.
    if (points < 0 || points > static_cast<long long>(size)) std::abort();
    return 0;
}
