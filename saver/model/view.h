// The live View: every display parameter of the starfield, each named after its key in the
// module file. The renderer, the frame step and the generator read these every frame; the
// control window edits them directly; a View load fills them from one section.
#pragma once

// Integer parameters
extern int track4, track4a, track4b, track5, track6, track7, track8;
extern int track20, track20a, track20b, track20c, track20d, track20e;
extern int track20f, track20f1, track20f2, track20f3, track20g, track20h, track20i;
extern int track20j, track20jx, track20k, track20l, track20m;
extern int fov, titlelen, titlelenx, backcolor;
extern int vista;

// Stored as integers, live as reals
extern float track1, track2, track3;
extern float digitsize;

// Real parameters
extern float track9zq, track9z, track9, track10, track13;

// Switches: 1 on, 0 off
extern int backflag, sizeflag, tracking, plotspeed, ring, bars, barsx, barsx1, barsx2, barsx3;
extern int mettype, flat, dig, xfloor, shortmode, cloak;

// Choices
extern int plot;       // backdrop shown
extern int sphere1;    // meteor axes: 0 Z, 1 XYZ, 2 XZ
extern int sphere2;    // flight axes: 0 Z, 1 XZ, 2 XYZ
extern int triang;     // meteor size - 2: -1..2
extern int balls;      // sphere type: 0 A, 1 D, 2 B, 3 C
extern int balls1;     // backdrop mode 0..4 (module level)
extern int colormode;  // motion function 0..8
extern int xcolormode; // generator mode 0..8

// Flight state stored with a View
extern float spin, spin1, spin2;
extern float xcx, xcy, xcz;
extern float fsdx, fsdy, fsdz;
extern float fsvx, fsvy, fsvz;
extern float fsxx, fsyy;
extern float xtx1;

// Carried through load and save unchanged
extern int xcursor, ycursor, zcursor, cursestart, curseout, curseoutx;

// Derived at load and kept in step by the editor
extern int clamped_scale;    // min(track7, 1000)
extern float size_factor;    // track8 / 1000
extern float thrust_target;  // vista as a real; the digit and arrow keys change it
extern int pixel_point_size; // max(track20h, backresolution2x) + 1
