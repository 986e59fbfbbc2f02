// Model import: a DXF drawing or a binary "planm" model becomes the star arrangement.
#pragma once

// True when the path names a DXF drawing: it holds ".dxf", ".Dxf" or ".DXF" anywhere.
bool is_dxf_path(const char* path);

// Reads the model file into the target star table (a DXF drawing with the generator sliders
// as import parameters) and copies that into the display table. Returns 1 when the file was
// read; 0, changing nothing, when it cannot be opened, is no regular file or is empty.
int import_model(const char* path);
