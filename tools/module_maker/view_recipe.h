// One View of a module as the maker holds it: every key of a View section with the value it is
// written with. Recipes start from the standard starfield below and change only what differs.
#pragma once

// Backdrop modes of `balls1`.
enum BackdropMode { BACKDROP = 0, PLANET_SMALL, PLANET_LARGE, FLY_LARGE, FLY_SMALL };
// Sphere types of `balls`, by their button labels.
enum SphereType { SPHERE_A = 0, SPHERE_D = 1, SPHERE_B = 2, SPHERE_C = 3 };
// Axes of `sphere2` (flight) and `sphere1` (meteors).
enum FlightAxes { AXES_Z = 0, AXES_XZ = 1, AXES_XYZ = 2 };
enum MeteorAxes { METEOR_Z = 0, METEOR_XYZ = 1, METEOR_XZ = 2 };
// Motion functions of `colormode` (the "Fun" row).
enum MotionFunction {
    FUN_CIRCLE = 0,
    FUN_CIRCLE_H,
    FUN_CIRCLE_V,
    FUN_JITTER,
    FUN_WANDER,
    FUN_TURN,
    FUN_WANDER_V,
    FUN_WANDER_H,
    FUN_WANDER_HV,
};

struct View {
    // Flight state at the moment the View was stored.
    float xcx = 100, xcy = 0, xcz = 0;
    float fsdx = 0, fsdy = 0, fsdz = 0;
    float fsvx = 100, fsvy = 0, fsvz = 0;
    float fsxx = 0, fsyy = 0, xtx1 = 0;
    float spin = 0, spin1 = 0, spin2 = 0;

    // Position angles, rotation spins (1800 = still), scale and size.
    int track1 = 0, track2 = 0, track3 = 0;
    int track4 = 1800, track5 = 1800, track6 = 1800;
    int track4a = 900, track4b = 350;
    int track7 = 700, track8 = 120;
    // Motion function amount and speed, colour glide, Total, Tail.
    float track9zq = 0, track9z = 0, track9 = 3, track10 = 8000, track13 = 14;
    // Colour set 1 (track20, track20a, digitsize) and colour set 2.
    int track20 = 255, track20a = 235;
    float digitsize = 210;
    int track20b = 70, track20c = 110, track20d = 255;
    // Generator sliders #1 (k), #2 (l), #3 (e).
    int track20k = 40, track20l = 64, track20e = 64;
    // Glides: rotation, tail, angle, scale, thrust, mouse.
    int track20f = 300, track20f1 = 300, track20f2 = 300, track20f3 = 600;
    int track20g = 40, track20m = 24;
    // Pixel size, line width, meteor share and speed.
    int track20h = 1, track20i = 1, track20j = 0, track20jx = 300;
    int fov = 70, vista = 40;
    // Colour shifting range, rainbow dim, LFO.
    int titlelen = 0, titlelenx = 160, backcolor = 0;

    // Choices.
    int sphere2 = AXES_XYZ, sphere1 = METEOR_Z, triang = 0, colormode = FUN_CIRCLE;
    int xcolormode = 0, plot = 0, balls = SPHERE_B;

    // Switches.
    bool plotspeed = false, dig = false, xfloor = false, shortmode = false, cloak = false;
    bool ring = false, barsx = false, barsx1 = false, barsx2 = false, barsx3 = false;
    bool bars = false, mettype = false, flat = false, tracking = false, backflag = false;
    bool sizeflag = false;

    int xcursor = 0, ycursor = 0, zcursor = 0, curseout = 0, curseoutx = 0, cursestart = 0;
};
