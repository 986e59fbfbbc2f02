#include "tests/shell/control_window_fixture.h"

#include "platform/profile.h"
#include "saver/model/view_io.h"

#include <string>

namespace {

struct SwitchParam {
    const char* key;
    int* value;
    int id;
};

std::vector<SwitchParam> switch_params() {
    return {{"backflag", &backflag, 150},  {"sizeflag", &sizeflag, 151},
            {"tracking", &tracking, 1007}, {"plotspeed", &plotspeed, 1012},
            {"ring", &ring, 1008},         {"bars", &bars, 1015},
            {"barsx", &barsx, 1024},       {"barsx1", &barsx1, 1028},
            {"barsx2", &barsx2, 1025},     {"barsx3", &barsx3, 3127},
            {"flat", &flat, 1014},         {"dig", &dig, 1503},
            {"xfloor", &xfloor, 1022},     {"shortmode", &shortmode, 1029}};
}

struct FlightParam {
    const char* key;
    float* value;
    float sample;
};

std::vector<FlightParam> flight_params() {
    return {{"spin", &spin, 12.5f},   {"spin1", &spin1, -3.25f}, {"spin2", &spin2, 359.5f},
            {"xcx", &xcx, 1.5f},      {"xcy", &xcy, -2.5f},      {"xcz", &xcz, 700.0f},
            {"fsdx", &fsdx, 4.0f},    {"fsdy", &fsdy, -5.0f},    {"fsdz", &fsdz, 6.75f},
            {"fsvx", &fsvx, 0.5f},    {"fsvy", &fsvy, -0.25f},   {"fsvz", &fsvz, 1.0f},
            {"fsxx", &fsxx, -300.0f}, {"fsyy", &fsyy, 120.0f},   {"xtx1", &xtx1, 88.5f}};
}

std::string read_key(const char* section, const char* key) {
    char text[64];
    get_private_profile_string(section, key, "<absent>", text, sizeof text, module_work_file);
    return text;
}

class ViewSave : public ControlWindowTest {
  protected:
    // A View whose every value differs from its neighbour's and from the defaults.
    void give_distinct_view() {
        for (const SliderParam& p : slider_params()) set_param(p, p.sample);
        vista = 321;
        int flag = 0;
        for (const SwitchParam& s : switch_params()) *s.value = flag++ % 2;
        mettype = 0;
        for (const FlightParam& f : flight_params()) *f.value = f.sample;
        sphere1 = 2;
        sphere2 = 1;
        triang = -1;
        balls = 3;
        balls1 = 4;
        colormode = 7;
        xcolormode = 5;
        plot = 1;
        xcursor = 11;
        ycursor = -12;
        zcursor = 13;
        cursestart = 14;
        curseout = 15;
        curseoutx = 16;
    }

    void scramble_view() {
        for (const SliderParam& p : slider_params()) set_param(p, 3);
        vista = 3;
        for (const SwitchParam& s : switch_params()) *s.value = 1 - *s.value;
        for (const FlightParam& f : flight_params()) *f.value = 3.0f;
        sphere1 = sphere2 = balls = balls1 = colormode = xcolormode = 0;
        triang = 2;
        plot = 0;
        xcursor = ycursor = zcursor = cursestart = curseout = curseoutx = 0;
    }
};

TEST_F(ViewSave, SavedViewLoadsBackToTheSameLiveValues) {
    open();
    give_distinct_view();
    show_view_in_controls();
    ASSERT_EQ(save_view("2002"), 0);

    scramble_view();
    load_view("2002");
    for (const SliderParam& p : slider_params())
        EXPECT_EQ(param_value(p), static_cast<float>(p.sample)) << p.key;
    EXPECT_EQ(vista, 321);
    int flag = 0;
    for (const SwitchParam& s : switch_params()) EXPECT_EQ(*s.value, flag++ % 2) << s.key;
    EXPECT_EQ(mettype, 0);
    for (const FlightParam& f : flight_params()) EXPECT_EQ(*f.value, f.sample) << f.key;
    EXPECT_EQ(sphere1, 2);
    EXPECT_EQ(sphere2, 1);
    EXPECT_EQ(triang, -1);
    EXPECT_EQ(balls, 3);
    EXPECT_EQ(balls1, 4);
    EXPECT_EQ(colormode, 7);
    EXPECT_EQ(xcolormode, 5);
    EXPECT_EQ(plot, 1);
    EXPECT_EQ(xcursor, 11);
    EXPECT_EQ(ycursor, -12);
    EXPECT_EQ(zcursor, 13);
    EXPECT_EQ(cursestart, 14);
    EXPECT_EQ(curseout, 15);
    EXPECT_EQ(curseoutx, 16);
    EXPECT_EQ(read_key("items", "balls1"), "4");
    EXPECT_EQ(read_key("2002", "titlecull"), "0");
    EXPECT_EQ(read_key("2002", "digitsize"), "201.000000");
    EXPECT_EQ(read_key("2002", "track1"), "123");
}

TEST_F(ViewSave, SwitchesAndChoicesComeFromTheButtonsNotTheLiveValues) {
    open();
    give_distinct_view();
    show_view_in_controls();
    bars = 0;
    check_dlg_button(dialog, 1015, 1);
    backflag = 1;
    check_dlg_button(dialog, 150, 0);
    sphere2 = 0;
    check_radio_button(dialog, 1118, 1120, 1120);
    plot = 1;
    check_radio_button(dialog, 1093, 3092, 3092);
    save_view("2000");
    EXPECT_EQ(read_key("2000", "bars"), "on");
    EXPECT_EQ(read_key("2000", "backflag"), "off");
    EXPECT_EQ(read_key("2000", "sphere2"), "2");
    EXPECT_EQ(read_key("2000", "plot"), "0");
    EXPECT_EQ(plot, 0) << "the saved backdrop switch becomes the live one";
    EXPECT_EQ(read_key("2000", "cloak"), "off");
    EXPECT_EQ(read_key("2000", "triang"), "0") << "meteor size 1 is stored as digit 0";
}

TEST_F(ViewSave, AGroupWithoutACheckedButtonWritesNothing) {
    open(); // no View shown yet: no radio button is checked
    save_view("2000");
    for (const char* key :
         {"sphere2", "sphere1", "triang", "colormode", "xcolormode", "plot", "balls"})
        EXPECT_EQ(read_key("2000", key), "<absent>") << key;
    EXPECT_EQ(read_key("items", "balls1"), "<absent>");
    EXPECT_EQ(read_key("2000", "mettype"), "off");
}

TEST_F(ViewSave, LoadShowsTheBackdropSwitchSoASaveKeepsIt) {
    open();
    write_file(work_file, "[2004]\nplot=2\n[2005]\nplot=0\n");
    load_view("2004");
    show_view_in_controls();
    EXPECT_EQ(plot, 1);
    EXPECT_EQ(is_dlg_button_checked(dialog, 1093), 1);
    load_view("2005");
    show_view_in_controls();
    save_view("2005");
    EXPECT_EQ(read_key("2005", "plot"), "0");
    EXPECT_EQ(plot, 0);
}

TEST_F(ViewSave, ExistingKeysKeepTheirPlaceAndNewOnesFollowInSaveOrder) {
    write_file(work_file, "[2001]\nvista=5\nstatx=9\ntrack7=1\n[items]\nname=old\nshell0=a.tga\n");
    open();
    give_distinct_view();
    show_view_in_controls();
    save_view("2001");
    const std::string text = read_file(work_file);
    auto at = [&](const char* line) {
        const size_t found = ("\n" + text).find(std::string("\n") + line);
        EXPECT_NE(found, std::string::npos) << line;
        return found;
    };
    EXPECT_LT(at("[2001]"), at("vista=321"));
    EXPECT_LT(at("vista=321"), at("statx=9"));
    EXPECT_LT(at("statx=9"), at("track7=640"));
    EXPECT_LT(at("track7=640"), at("xcx="));
    EXPECT_LT(at("xcx="), at("dplot="));
    EXPECT_LT(at("dplot="), at("track1="));
    EXPECT_LT(at("track1="), at("backcolor="));
    EXPECT_LT(at("backcolor="), at("sphere2="));
    EXPECT_LT(at("sphere2="), at("plotspeed="));
    EXPECT_LT(at("plotspeed="), at("sizeflag="));
    EXPECT_LT(at("sizeflag="), at("xcursor="));
    EXPECT_LT(at("xcursor="), at("titlecull="));
    EXPECT_LT(at("titlecull="), at("[items]"));
    EXPECT_EQ(read_key("items", "shell0"), "a.tga");
}

TEST_F(ViewSave, BlankItemsKeysAreWritten) {
    open();
    save_view("2000");
    for (const char* key : {"test", "test2", "test3", "test4", "test5", "test6", "domain", "name",
                            "legend", "legenda", "legendb", "legendc", "legends", "netid",
                            "referer", "reject", "custom", "reject1"})
        EXPECT_EQ(read_key("items", key), "") << key; // present, its one blank trimmed
}

TEST_F(ViewSave, StarZeroIsStoredPlaneByPlane) {
    open();
    const uint8_t planes[PLANE_COUNT] = {200, 1, 0, 255, 7, 128};
    for (int plane = 0; plane < PLANE_COUNT; ++plane) target_stars[plane][0] = planes[plane];
    save_view("2003");
    EXPECT_EQ(read_key("2003", "dplot"), "200");
    EXPECT_EQ(read_key("2003", "dplot1"), "1");
    EXPECT_EQ(read_key("2003", "dplot2"), "0");
    EXPECT_EQ(read_key("2003", "dplot3"), "<absent>");
    EXPECT_EQ(read_key("2003", "dplot4"), "255");
    EXPECT_EQ(read_key("2003", "dplot5"), "7");
    EXPECT_EQ(read_key("2003", "dplot6"), "128");
}

TEST_F(ViewSave, SkipFlightRequestLeavesFlightStateOutOnce) {
    open();
    give_distinct_view();
    skip_flight_on_save = 1;
    save_view("2007");
    EXPECT_EQ(skip_flight_on_save, 0);
    for (const char* key : {"xcx", "fsvz", "dplot", "dplot6", "fsxx", "xtx1", "spin2"})
        EXPECT_EQ(read_key("2007", key), "<absent>") << key;
    EXPECT_EQ(read_key("2007", "track20m"), "17");
    save_view("2007");
    EXPECT_EQ(read_key("2007", "xcx"), "1.500000");
    EXPECT_EQ(read_key("2007", "spin1"), "-3.250000");
}

TEST_F(ViewSave, WithoutAControlWindowNothingIsWritten) {
    give_distinct_view();
    skip_flight_on_save = 1;
    EXPECT_EQ(save_view("2000"), 0);
    EXPECT_EQ(read_file(work_file), "");
    EXPECT_EQ(skip_flight_on_save, 1) << "the request waits for a save that happens";
}

TEST_F(ViewSave, RealsNoIntegerHoldsAreSavedSaturated) {
    write_file(work_file, "[2000]\ntrack1=-1\ntrack2=-2147483648\n");
    open();
    load_view("2000"); // stored negatives come in as huge unsigned values
    ASSERT_GT(track1, 4.0e9f);
    show_view_in_controls();
    EXPECT_EQ(trackbar_get_pos(dialog, 300), 360);
    save_view("2000");
    EXPECT_EQ(read_key("2000", "track1"), "2147483647");
    EXPECT_EQ(read_key("2000", "track2"), "2147483647");
    track3 = -3.0e9f;
    save_view("2000");
    EXPECT_EQ(read_key("2000", "track3"), "-2147483648");
}

} // namespace
