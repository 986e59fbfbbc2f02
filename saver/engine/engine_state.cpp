#include "saver/engine/engine_state.h"

uint8_t target_stars[PLANE_COUNT][STAR_COUNT];
uint8_t display_stars[PLANE_COUNT][STAR_COUNT];
int anchor_flag;
int meteor_count;
int backdrop_anchor[3];

uint32_t random_state;
int sine_table[SINE_TABLE_SIZE];
int16_t meteor_offset_z[STAR_COUNT];
int16_t meteor_offset_y[STAR_COUNT];
int16_t meteor_offset_x[STAR_COUNT];

uint64_t counter_frequency = NO_COUNTER_FREQUENCY;
uint64_t frame_period;
uint64_t current_counter;
int pace_by_swap;
uint64_t previous_frame_end;

int applied_depth_test = -1;
float fade_factor = 0.4f;
float live_scale;
float size_times_scale;
float live_view_angle;
float last_projected_view_angle;
int projection_dirty;
int resize_pending;
int view_load_pending;
char pending_view_section[8];
int playback_start;
int deferred_view7;
int frame_busy;
float rotation_glide_step;
float position_glide_step;
float log_glide_value;
float tail_glide_step;
int pattern_timer = 10000;
float pattern_fade;

int module_cycle_counter;
int cycle_length;
uint64_t hold_start_time;
int own_cycle_position = -1;
int own_cycle_step;
char own_cycle_module[500];
int cycle_timer;

float speed;
float yaw_rate;
float base_pitch;
float pitch;
float velocity_z, velocity_x, velocity_y;
int function_state[4];
int follow_direction;
int rotation_rate[3];
float position_angle[3];
float backdrop_spin_angle;

int tail_colour[3];
int star_colour[3];
int colour_shift;
int colour_shift_countdown;
int colour_shift_direction = 1;
float current_tail_length;
GLUquadric* quadric;
SphereMesh sphere_meshes[SPHERE_MESHES];
int client_width, client_height;
int refreshed_width, refreshed_height;
float rainbow_r[RAINBOW_SIZE], rainbow_g[RAINBOW_SIZE], rainbow_b[RAINBOW_SIZE];
int wheel_a[WHEEL_SIZE], wheel_b[WHEEL_SIZE], wheel_c[WHEEL_SIZE];
StarVertex meteor_vertices[STAR_COUNT];
int meteor_vertex_count;
StarVertex near_vertices[NEAR_VERTEX_CAPACITY];
int near_vertex_count;
StarVertex pixel_stars[STAR_COUNT];
int pixel_star_count;

unsigned backdrop_texture_name;
int backdrop_texture_exists;
int backdrop_image_loaded;
int backdrop_hold;
uint8_t backdrop_palette[PALETTE_TABLE_SIZE];
BackdropPoint backdrop_mesh[BACKDROP_MESH_SIDE][BACKDROP_MESH_SIDE];
int backdrop_subdivision;
BackdropPoint backdrop_strips[BACKDROP_MESH_SIDE - 1][2 * BACKDROP_MESH_SIDE];
