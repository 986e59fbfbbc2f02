// The DXF drawing reader of the model import: the first vertex of every entity becomes a
// star of the target table. Reads its input once, block by block, in constant memory; any
// input ends it (no group code it expects, no "EOF", lines of any length, values that are
// no numbers), and it never writes beyond the table. Values are plain decimals as module
// files hold them, or in the exponent form CAD programs write ("1.5E+02").
#pragma once

#include "saver/engine/engine_state.h"
#include "saver/model/byte_source.h"

#include <cstdint>

struct DxfImport {
    float scale;    // drawing units to star units
    int thinning;   // points per star beyond the first
    long long skip; // the first skip - 1 points all land on star 0 and are overwritten
};

// The import parameters from the generator sliders: scale track20e² + 1, thinning track20k,
// skip track20l × 200 + 1.
DxfImport dxf_import_from_sliders(int track20e, int track20k, int track20l);

// Reads points into `stars` (planes in the table's order) until the input ends, "EOF" comes
// or the table is full. Returns the number of points read.
long long read_dxf(ByteSource source, const DxfImport& import,
                   uint8_t (&stars)[PLANE_COUNT][STAR_COUNT]);
