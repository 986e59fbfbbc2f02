// The backdrop: one Targa image from the install's "images" directory, uploaded as a
// mipmapped texture and drawn on a sphere around the scene, as a planet, or around star 0.
// The hold (backdrop_hold in engine_state.h) hides it from an image or module load until the
// next View load or the backdrop selector releases it.
#pragma once

#include "saver/engine/engine_state.h"

#include <string>

// Raises the hold, loads the image of the path's file name (the text after its last "\" or
// "/") from install directory + "images/" and rebuilds the mesh for the live `balls1`,
// `reshape` and `auxresolution`. 1 when an image was loaded; 0 leaves no image, and then
// nothing is drawn.
int load_backdrop_image(const char* shell0);
// Where load_backdrop_image() looks for the image of a stored `shell0`.
std::string backdrop_image_file(const char* shell0);

// Replaces the texture name with a new one and reads the Targa file into it; 1 on success.
// Needs a current GL context.
int load_backdrop_texture(const std::string& path);
void bind_backdrop_texture();

// The sphere of the backdrop mode `balls1`, subdivided min(`auxresolution`, `reshape`) times,
// at most BACKDROP_MESH_SIDE - 1.
void build_backdrop_mesh();
float backdrop_radius(int mode);

// Once per frame, inside the scene transform, after the colour set-up.
void draw_backdrop();
