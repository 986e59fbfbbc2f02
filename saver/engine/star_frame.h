// The stages of one rendered frame and what they hand each other. render_frame() runs them in
// order; tests and benchmarks may look at the batches they leave behind.
#pragma once

// What colour set-up decides once per frame for every star. The star pass reads only this and
// StarSetup, never a global, so that its stores into the byte-plane star table do not force
// the compiler to reload View parameters for every star.
struct FrameColours {
    float star_base[3]; // a star of brightness 1 before the fade (Rainbow multiplies a hue in)
    float tail_end[3];  // the far end of a tail, fade included
    float fade;
    bool rainbow;
    bool pastel;
    int hue_offset;     // Mod
    int hue_cycle;      // the colour shift while Cycle is on, else 0
    float dim_distance; // where the rainbow fade reaches 0
};

enum class NearForm { line, triangle, rectangle, sphere };

// What star set-up derives once per frame from the View, the scale and the flight.
struct StarSetup {
    float s2;             // live scale squared
    float s;              // star offset -> drawing units
    float range_distance; // where brightness falls to 0
    float threshold;      // brightness above which a star is near
    int dz, dy, dx;       // flight displacement of the frame
    float tail_z, tail_y, tail_x;
    float rect_half_width; // across the star end of a rectangle
    float base_half_width; // across the tail end of a triangle or rectangle
    float sphere_radius;
    int sphere_type; // `balls`: A, D, B, C
    bool meteors;
    int meteor_count;
    int meteor_speed;
    int meteor_axes;    // 0 Z, 1 XYZ, 2 XZ
    int flight_axes;    // 0 Z, 1 XZ, 2 XYZ
    bool freeze_flight; // Scale at its top: only star 0 follows the flight
    bool short_z;
    float last_star; // Total
    NearForm form;
};

// Stars 0 .. LAST_MOVING_STAR - 1 take part; the last star of the table never does.
constexpr int LAST_MOVING_STAR = 31999;
constexpr float METEOR_THRESHOLD = 11111.0f; // above any brightness: a meteor stays a point
constexpr float VISIBLE_COLOUR_SUM = 0.005f;

FrameColours setup_colours();
StarSetup setup_stars();
void run_star_pass(const StarSetup& setup, const FrameColours& colours);
void draw_meteors();
void draw_near_stars(NearForm form);
void draw_pixel_stars();

// Near stars as spheres. Each sphere is placed by translating from the previous one, so that
// no matrix is pushed per star; undo() takes the sum back once after the pass.
class SphereChain {
  public:
    // Compiles the mesh of the frame's tessellation and radius when it changed and takes the
    // frustum of the current matrices.
    explicit SphereChain(const StarSetup& setup);
    void draw(const float* colour, float oz, float oy, float ox);
    void undo() const;

  private:
    int mesh_ = -1;                      // the type's own mesh in `sphere_meshes`
    unsigned lists_[SPHERE_MESHES] = {}; // each mesh's display list, once this pass needed it
    float radius_ = 0.0f;                // the sphere's radius with room for the chain's drift
    double sphere_radius_ = 0.0;
    double planes_[6][4] = {}; // the view frustum in star-pass coordinates, normals unit length
    double eye_[3][4] = {};    // star-pass coordinates -> eye coordinates
    double inside_reach_squared_ = 0.0;
    double eye_radius_ = 0.0;       // the sphere's radius in eye units, at its largest
    double pixels_per_slope_ = 0.0; // screen pixels per unit of x/z or y/z, the larger
    float z_ = 0.0f, y_ = 0.0f, x_ = 0.0f;
    bool moved_ = false;
    bool drawing_ = false; // the sphere state is on: far sides culled, colour as emission

    bool in_view(float oz, float oy, float ox) const;
    void begin_drawing();
    unsigned list_of(int mesh);
    // The mesh for a sphere at these star-pass coordinates: the type's own, or for a "D" sphere
    // far enough away a coarser one whose outline strays from it by a fraction of a pixel.
    unsigned mesh_for(float oz, float oy, float ox, bool* around_eye);
};

// Truncation toward zero that stays defined for values no int can hold (the far side of a
// zero brightness range is -infinity): they saturate at +-2^30, whose low byte is 0.
inline int truncate_to_int(float v) {
    constexpr float LIMIT = 1073741824.0f;
    if (!(v > -LIMIT)) return v != v ? 0 : -static_cast<int>(LIMIT);
    if (v > LIMIT) return static_cast<int>(LIMIT);
    return static_cast<int>(v);
}
