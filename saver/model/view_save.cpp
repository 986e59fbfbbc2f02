#include "platform/dialog.h"
#include "platform/profile.h"
#include "saver/engine/engine_state.h"
#include "saver/model/model_state.h"
#include "saver/model/view.h"
#include "saver/model/view_io.h"
#include "saver/resources/control_ids.h"

#include <cstdio>

namespace {

constexpr const char* ITEMS = "items";

// Keys older readers of module files expect in "items"; nothing reads them any more.
const char* const BLANK_ITEMS_KEYS[] = {
    "test",    "test2",   "test3",   "test4",   "test5", "test6",   "domain", "name",   "legend",
    "legenda", "legendb", "legendc", "legends", "netid", "referer", "reject", "custom", "reject1"};

void write_text(const char* section, const char* key, const char* text) {
    write_private_profile_string(section, key, text, module_work_file);
}

void write_int(const char* section, const char* key, int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    write_text(section, key, text);
}

void write_real(const char* section, const char* key, float value) {
    char text[64]; // "%f" of the largest float takes 46 characters
    std::snprintf(text, sizeof text, "%f", static_cast<double>(value));
    write_text(section, key, text);
}

void write_switch(const char* section, const char* key, int id) {
    write_text(section, key, is_dlg_button_checked(control_window, id) ? "on" : "off");
}

// The checked button's digit, or nothing when no button of the group is checked. Returns the
// checked button, or null.
const RadioButton* write_choice(const char* section, const char* key, const RadioGroup& group) {
    for (int i = 0; i < group.count; ++i)
        if (is_dlg_button_checked(control_window, group.buttons[i].id)) {
            const char text[2] = {group.buttons[i].digit, '\0'};
            write_text(section, key, text);
            return &group.buttons[i];
        }
    return nullptr;
}

void write_flight_state(const char* section) {
    write_real(section, "xcx", xcx);
    write_real(section, "xcy", xcy);
    write_real(section, "xcz", xcz);
    write_real(section, "fsdx", fsdx);
    write_real(section, "fsdy", fsdy);
    write_real(section, "fsdz", fsdz);
    write_real(section, "fsvx", fsvx);
    write_real(section, "fsvy", fsvy);
    write_real(section, "fsvz", fsvz);
    write_int(section, "dplot", target_stars[PLANE_XH][0]);
    write_int(section, "dplot1", target_stars[PLANE_ZH][0]);
    write_int(section, "dplot2", target_stars[PLANE_YH][0]);
    write_int(section, "dplot4", target_stars[PLANE_XL][0]);
    write_int(section, "dplot5", target_stars[PLANE_ZL][0]);
    write_int(section, "dplot6", target_stars[PLANE_YL][0]);
    write_real(section, "fsxx", fsxx);
    write_real(section, "fsyy", fsyy);
    write_real(section, "xtx1", xtx1);
    write_real(section, "spin", spin);
    write_real(section, "spin1", spin1);
    write_real(section, "spin2", spin2);
}

void write_parameters(const char* section) {
    write_int(section, "track1", truncate_view_real(track1));
    write_int(section, "track2", truncate_view_real(track2));
    write_int(section, "track3", truncate_view_real(track3));
    write_int(section, "track4", track4);
    write_int(section, "track4a", track4a);
    write_int(section, "track4b", track4b);
    write_int(section, "track5", track5);
    write_int(section, "track6", track6);
    write_int(section, "track7", track7);
    write_int(section, "track8", track8);
    write_real(section, "track9zq", track9zq);
    write_real(section, "track9z", track9z);
    write_real(section, "track9", track9);
    write_real(section, "track10", track10);
    write_real(section, "track13", track13);
    write_int(section, "track20", track20);
    write_int(section, "track20a", track20a);
    write_int(section, "track20b", track20b);
    write_int(section, "track20c", track20c);
    write_int(section, "track20d", track20d);
    write_int(section, "track20e", track20e);
    write_int(section, "track20f", track20f);
    write_int(section, "track20f1", track20f1);
    write_int(section, "track20f2", track20f2);
    write_int(section, "track20f3", track20f3);
    write_int(section, "track20g", track20g);
    write_int(section, "track20h", track20h);
    write_int(section, "track20i", track20i);
    write_int(section, "track20j", track20j);
    write_int(section, "track20jx", track20jx);
    write_int(section, "track20k", track20k);
    write_int(section, "track20l", track20l);
    write_int(section, "track20m", track20m);
    write_int(section, "fov", fov);
    write_real(section, "digitsize", digitsize);
    write_int(section, "vista", vista);
    write_int(section, "titlelen", titlelen);
    write_int(section, "titlelenx", titlelenx);
    write_int(section, "backcolor", backcolor);
}

void write_choices(const char* section) {
    write_choice(section, "sphere2", SPHERE2_GROUP);
    write_choice(section, "sphere1", SPHERE1_GROUP);
    write_choice(section, "triang", TRIANG_GROUP);
    write_choice(section, "colormode", COLORMODE_GROUP);
    write_choice(section, "xcolormode", XCOLORMODE_GROUP);
    if (const RadioButton* backdrop = write_choice(section, "plot", PLOT_GROUP))
        plot = backdrop->value;
    write_choice(section, "balls", BALLS_GROUP);
    write_choice(ITEMS, "balls1", BALLS1_GROUP);
}

void write_switches(const char* section) {
    write_switch(section, "plotspeed", ID_PLOTSPEED);
    write_switch(section, "dig", ID_DIG);
    write_switch(section, "xfloor", ID_XFLOOR);
    write_switch(section, "shortmode", ID_SHORTMODE);
    write_switch(section, "cloak", ID_CLOAK);
    write_switch(section, "ring", ID_RING);
    write_switch(section, "barsx", ID_BARSX);
    write_switch(section, "barsx1", ID_BARSX1);
    write_switch(section, "barsx2", ID_BARSX2);
    write_switch(section, "barsx3", ID_BARSX3);
    write_switch(section, "bars", ID_BARS);
    write_switch(section, "mettype", ID_METTYPE);
    write_switch(section, "flat", ID_FLAT);
    write_switch(section, "tracking", ID_TRACKING);
    write_switch(section, "backflag", ID_BACKFLAG);
    write_switch(section, "sizeflag", ID_SIZEFLAG);
}

void write_carried_values(const char* section) {
    write_int(section, "xcursor", xcursor);
    write_int(section, "ycursor", ycursor);
    write_int(section, "zcursor", zcursor);
    write_int(section, "curseout", curseout);
    write_int(section, "curseoutx", curseoutx);
    write_int(section, "cursestart", cursestart);
    write_int(section, "titlecull", 0);
}

} // namespace

// The switches and choices come from the buttons rather than the live values: they are what
// the user sees when deciding to store the View.
int save_view(const char* section) {
    if (!control_window) return 0;
    for (const char* key : BLANK_ITEMS_KEYS) write_text(ITEMS, key, " ");
    // Setup mode storing into View 8 keeps the recording's own start.
    if (!skip_flight_on_save) write_flight_state(section);
    skip_flight_on_save = 0;
    write_parameters(section);
    write_choices(section);
    write_switches(section);
    write_carried_values(section);
    return 0;
}
