// Every program-wide value of the starfield engine: star tables, lookup tables, frame step,
// flight model and renderer state. Single-threaded; no locking anywhere.
#pragma once

#include <cstdint>

struct GLUquadric;

// ---- Star tables ----------------------------------------------------------------------
constexpr int STAR_COUNT = 32000;
// Byte planes in side-file order: ".pr1" .. ".pr6".
enum StarPlane { PLANE_XH = 0, PLANE_ZH, PLANE_YH, PLANE_XL, PLANE_ZL, PLANE_YL, PLANE_COUNT };
extern uint8_t target_stars[PLANE_COUNT][STAR_COUNT];  // written by the generator and loaders
extern uint8_t display_stars[PLANE_COUNT][STAR_COUNT]; // drawn and moved by the renderer
extern int anchor_flag;                                // first star index Generate writes: 0 or 1
extern int meteor_count;       // stars below this index are meteors while `bars` is on
extern int backdrop_anchor[3]; // the backdrop's star-0 anchor, reset by every Generate

// ---- Random stream and start-up tables ------------------------------------------------
extern uint32_t random_state;
constexpr int SINE_TABLE_SIZE = 8192;
extern int sine_table[SINE_TABLE_SIZE];
extern int16_t meteor_offset_z[STAR_COUNT]; // built first
extern int16_t meteor_offset_y[STAR_COUNT];
extern int16_t meteor_offset_x[STAR_COUNT];

// ---- Counter and pacing ---------------------------------------------------------------
constexpr uint64_t NO_COUNTER_FREQUENCY = 100000;
extern uint64_t counter_frequency; // ticks per second; NO_COUNTER_FREQUENCY without a counter
extern uint64_t frame_period;      // ticks per frame; 0 = unpaced
extern uint64_t current_counter;   // read by the last pacing
extern uint64_t previous_frame_end;
extern int pace_by_swap; // the buffer swap waits for the display's vertical blank: no sleeping

// ---- Frame step -----------------------------------------------------------------------
extern int applied_depth_test; // -1 until the first frame applies `xfloor`
extern float fade_factor;      // multiplies every colour drawn
extern float live_scale;       // glides toward min(track7, 1000)
extern float size_times_scale; // (track8 / 1000) * live_scale
extern float live_view_angle;  // degrees, glides toward `fov`
extern float last_projected_view_angle;
extern int projection_dirty;
extern int resize_pending;
extern int view_load_pending;
extern char pending_view_section[8]; // "2000" .. "2007"
extern int playback_start;
extern int deferred_view7; // 10 = select View 7 on the next frame
extern int frame_busy;
extern float rotation_glide_step; // F = track20f + 1
extern float position_glide_step; // (F * F + 1) / 88264 degrees per frame
extern float log_glide_value;     // G = (F + 1) / 64
extern float tail_glide_step;     // (track20f1 + 1) / 48
extern int pattern_timer;         // frames into the pattern period; 10000 outside timed modes
extern float pattern_fade;

// ---- Module cycle ---------------------------------------------------------------------
extern int module_cycle_counter;
extern int cycle_length; // 301 while cycling, else 0
extern uint64_t hold_start_time;
extern int cycle_timer; // settings `timer`: 16-bit two's-complement tenths of minutes
// A copy that walks the cycle on its own (one per monitor under a host): its place in the
// cycle order (-1: the settings' `modsel` is the place, as for the one editor), its changes
// counted on from the settings' `cyclestep`, and the module file its next load takes.
extern int own_cycle_position;
extern int own_cycle_step;
extern char own_cycle_module[500];

// ---- Flight model ---------------------------------------------------------------------
extern float speed;
extern float yaw_rate;
extern float base_pitch;
extern float pitch;
extern float velocity_z, velocity_x, velocity_y;
extern int function_state[4];   // F1 .. F4 of the motion functions
extern int follow_direction;    // the travel direction follows the view direction
extern int rotation_rate[3];    // current spin rates toward track4, track5, track6
extern float position_angle[3]; // current angles toward track1, track2, track3
extern float backdrop_spin_angle;

// ---- Renderer and GL state ------------------------------------------------------------
extern int tail_colour[3];
extern int star_colour[3];
extern int colour_shift; // L, 0..768
extern int colour_shift_countdown;
extern int colour_shift_direction; // +1 or -1
extern float current_tail_length;
extern GLUquadric* quadric;
// The quadric's sphere at each detail (slices and stacks) the sphere stars use: the types' own
// ("A" 2, "B" 3, "C" 7, "D" 32) and the coarser stand-ins of "D" for spheres that cover few
// pixels. Each is compiled into a display list for the radius it was last drawn at; list 0
// until first needed.
constexpr int SPHERE_TYPES = 4;
constexpr int SPHERE_DETAILS[] = {2, 3, 7, 8, 12, 16, 24, 32};
constexpr int SPHERE_MESHES = sizeof SPHERE_DETAILS / sizeof SPHERE_DETAILS[0];
struct SphereMesh {
    unsigned list;
    float radius;
};
extern SphereMesh sphere_meshes[SPHERE_MESHES];
extern int client_width, client_height;
extern int refreshed_width, refreshed_height; // size at the last projection refresh
constexpr int RAINBOW_SIZE = 512;
extern float rainbow_r[RAINBOW_SIZE], rainbow_g[RAINBOW_SIZE], rainbow_b[RAINBOW_SIZE];
constexpr int WHEEL_SIZE = 769;
extern int wheel_a[WHEEL_SIZE], wheel_b[WHEEL_SIZE], wheel_c[WHEEL_SIZE];
// One frame's points and primitives, kept until the next frame starts, in the layout of
// GL_C3F_V3F so that each batch goes to OpenGL as one client array.
struct StarVertex {
    float colour[3];
    float position[3];
};
constexpr int NEAR_VERTEX_CAPACITY = 4 * STAR_COUNT; // a rectangle has four corners
extern StarVertex meteor_vertices[STAR_COUNT];
extern int meteor_vertex_count;
extern StarVertex near_vertices[NEAR_VERTEX_CAPACITY]; // lines, triangles or rectangles
extern int near_vertex_count;
// The pixel-star buffer fills from the top down, so that drawing it front to back draws the
// last appended star first.
extern StarVertex pixel_stars[STAR_COUNT];
extern int pixel_star_count;

// ---- Backdrop -------------------------------------------------------------------------
extern unsigned backdrop_texture_name; // 0 until the first image load
extern int backdrop_texture_exists;    // a texture name has been generated
extern int backdrop_image_loaded;      // the texture holds an image; without one nothing is drawn
extern int backdrop_hold;              // raised by image and module loads, cleared by View loads
constexpr int PALETTE_TABLE_SIZE = 4096;
extern uint8_t backdrop_palette[PALETTE_TABLE_SIZE]; // the colour map of the last 8-bit image
constexpr int BACKDROP_MESH_SIDE = 121;              // points per side: subdivision 120 at most
struct BackdropPoint {
    float x, y, z;
    float s, t;
};
extern BackdropPoint backdrop_mesh[BACKDROP_MESH_SIDE][BACKDROP_MESH_SIDE]; // [longitude][latitude]
extern int backdrop_subdivision; // N of the mesh in force; 0 draws no quads
// The mesh again in drawing order: band b holds (a, b) and (a, b + 1) for a = 0..N, one quad
// strip, so that each band goes to OpenGL as one array.
extern BackdropPoint backdrop_strips[BACKDROP_MESH_SIDE - 1][2 * BACKDROP_MESH_SIDE];
