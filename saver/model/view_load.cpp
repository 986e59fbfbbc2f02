#include "platform/profile.h"
#include "saver/engine/engine_state.h"
#include "saver/engine/generator.h"
#include "saver/model/model_state.h"
#include "saver/model/settings.h"
#include "saver/model/view.h"
#include "saver/model/view_controls.h"
#include "saver/model/view_io.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

constexpr const char* ITEMS = "items";
constexpr unsigned SWITCH_TEXT_SIZE = 4; // "on", "off" or a choice digit
constexpr unsigned REAL_TEXT_SIZE = VIEW_REAL_TEXT_LENGTH + 1;

void read_text(const char* section, const char* key, const char* default_text, char* text,
               unsigned size) {
    get_private_profile_string(section, key, default_text, text, size, module_work_file);
}

// No control reaches beyond 32000; a damaged file's extreme numbers are bounded here so that
// the arithmetic every frame does with them can never overflow.
constexpr int STORED_INT_LIMIT = 1000000;

int read_int(const char* section, const char* key, int default_value) {
    const int value = get_private_profile_int(section, key, default_value, module_work_file);
    return std::clamp(value, -STORED_INT_LIMIT, STORED_INT_LIMIT);
}

// Stored as integers, live as reals; a stored negative number is taken as unsigned.
float read_unsigned(const char* section, const char* key) {
    return static_cast<float>(static_cast<uint32_t>(read_int(section, key, 0)));
}

float read_real(const char* section, const char* key, const char* default_text = "0.000") {
    char text[REAL_TEXT_SIZE];
    read_text(section, key, default_text, text, sizeof text);
    return read_view_real(text);
}

// The text is handed back because a missing `barsx2` or `barsx3` takes the text just read.
int read_switch(const char* section, const char* key, const char* default_text,
                char text[SWITCH_TEXT_SIZE]) {
    read_text(section, key, default_text, text, SWITCH_TEXT_SIZE);
    return std::strcmp(text, "on") == 0;
}

int read_switch(const char* section, const char* key) {
    char text[SWITCH_TEXT_SIZE];
    return read_switch(section, key, "off", text);
}

// Digits 0 .. count - 1 select first_value onward; any other text leaves the value alone,
// so a damaged entry keeps whatever the previous View showed.
void read_choice(const char* section, const char* key, int count, int& value,
                 const char* default_text = "0", int first_value = 0) {
    char text[SWITCH_TEXT_SIZE];
    read_text(section, key, default_text, text, sizeof text);
    const int digit = text[0] - '0';
    if (text[1] == '\0' && digit >= 0 && digit < count) value = first_value + digit;
}

void read_switches_and_choices(const char* section) {
    backflag = read_switch(section, "backflag");
    sizeflag = read_switch(section, "sizeflag");
    tracking = read_switch(section, "tracking");
    read_choice(section, "sphere1", 3, sphere1);
    read_choice(section, "sphere2", 3, sphere2);
    read_choice(section, "triang", 4, triang, "0", -1);
    read_choice(ITEMS, "balls1", 5, balls1);
    read_choice(section, "balls", 4, balls);
    plotspeed = read_switch(section, "plotspeed");
    ring = read_switch(section, "ring");
    bars = read_switch(section, "bars");
    barsx = read_switch(section, "barsx");
    char barsx1_text[SWITCH_TEXT_SIZE];
    char barsx2_text[SWITCH_TEXT_SIZE];
    char barsx3_text[SWITCH_TEXT_SIZE];
    barsx1 = read_switch(section, "barsx1", "off", barsx1_text);
    barsx2 = read_switch(section, "barsx2", barsx1_text, barsx2_text);
    barsx3 = read_switch(section, "barsx3", barsx2_text, barsx3_text);
    mettype = read_switch(section, "mettype");
    flat = read_switch(section, "flat");
    dig = read_switch(section, "dig");
    xfloor = read_switch(section, "xfloor");
    shortmode = read_switch(section, "shortmode");
}

void read_carried_values(const char* section) {
    xcursor = read_int(section, "xcursor", 0);
    ycursor = read_int(section, "ycursor", 0);
    zcursor = read_int(section, "zcursor", 0);
    cursestart = read_int(section, "cursestart", 0);
    curseout = read_int(section, "curseout", 0);
    curseoutx = read_int(section, "curseoutx", 0);
}

// Unlike the other choices, any text but "0" turns the backdrop on.
void read_plot(const char* section) {
    char text[SWITCH_TEXT_SIZE];
    read_text(section, "plot", "0", text, sizeof text);
    plot = std::strcmp(text, "0") == 0 ? 0 : 1;
}

void read_parameters(const char* section) {
    track1 = read_unsigned(section, "track1");
    track2 = read_unsigned(section, "track2");
    track3 = read_unsigned(section, "track3");
    track4 = read_int(section, "track4", 0);
    track4a = read_int(section, "track4a", 0);
    track4b = read_int(section, "track4b", 0);
    track5 = read_int(section, "track5", 0);
    track6 = read_int(section, "track6", 0);
    track7 = read_int(section, "track7", 0);
    clamped_scale = std::min(track7, 1000);
    track8 = read_int(section, "track8", 0);
    size_factor = static_cast<float>(track8) / 1000.0f;
    track9zq = read_real(section, "track9zq", "0");
    track9z = read_real(section, "track9z", "0");
    track9 = read_real(section, "track9");
    track10 = read_real(section, "track10");
    track13 = read_real(section, "track13");
    track20 = read_int(section, "track20", 0);
    track20a = read_int(section, "track20a", 0);
    track20b = read_int(section, "track20b", 0);
    track20c = read_int(section, "track20c", 0);
    track20d = read_int(section, "track20d", 0);
    track20e = read_int(section, "track20e", 0);
    track20f = read_int(section, "track20f", 0);
    // Views stored before the Tail, Angle and Scale glides had their own sliders share the
    // Rotation glide.
    track20f1 = read_int(section, "track20f1", track20f);
    track20f2 = read_int(section, "track20f2", track20f);
    track20f3 = read_int(section, "track20f3", track20f);
    track20g = read_int(section, "track20g", 0);
    track20h = read_int(section, "track20h", 0);
    pixel_point_size = std::max(track20h, backresolution2x) + 1;
    track20i = read_int(section, "track20i", 0);
    track20j = read_int(section, "track20j", 0);
    track20jx = read_int(section, "track20jx", 0);
    track20k = read_int(section, "track20k", 0);
    track20l = read_int(section, "track20l", 0);
    track20m = read_int(section, "track20m", 0);
    fov = read_int(section, "fov", 0);
    digitsize = read_unsigned(section, "digitsize");
    vista = read_int(section, "vista", 0);
    thrust_target = static_cast<float>(vista);
    titlelen = read_int(section, "titlelen", 0);
    titlelenx = read_int(section, "titlelenx", 0);
    backcolor = read_int(section, "backcolor", 255);
}

void read_flight_state(const char* section) {
    spin = read_real(section, "spin");
    spin1 = read_real(section, "spin1");
    spin2 = read_real(section, "spin2");
    xcx = read_real(section, "xcx");
    xcy = read_real(section, "xcy");
    xcz = read_real(section, "xcz");
    fsdx = read_real(section, "fsdx");
    fsdy = read_real(section, "fsdy");
    fsdz = read_real(section, "fsdz");
    fsvx = read_real(section, "fsvx");
    fsvy = read_real(section, "fsvy");
    fsvz = read_real(section, "fsvz");
    fsxx = read_real(section, "fsxx");
    fsyy = read_real(section, "fsyy");
    xtx1 = read_real(section, "xtx1");
}

} // namespace

int load_view(const char* section) {
    read_text(ITEMS, "shell0", "", backdrop_path, sizeof backdrop_path);
    read_switches_and_choices(section);
    read_carried_values(section);
    read_plot(section);
    read_parameters(section);

    // A loaded View starts without the left button's direction following.
    follow_direction = 0;
    // With Follow on, or when a looping movie asked to keep flying, the flight goes on from
    // where it is instead of jumping to the state stored with the View.
    if (!keep_motion && !mettype) read_flight_state(section);
    keep_motion = 0;

    read_choice(section, "colormode", 9, colormode);
    read_choice(section, "xcolormode", 9, xcolormode, "3");

    // Every value the control window shows is read by now.
    show_view_in_controls();

    // The loaded View is shown as stored; the pointer steers again after a right click.
    mouse_control_off = 1;
    if (anchor_flag) generate();
    projection_dirty = 1;
    backdrop_hold = 0;
    return 0;
}
