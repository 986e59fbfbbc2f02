#include "saver/model/view.h"

int track4, track4a, track4b, track5, track6, track7, track8;
int track20, track20a, track20b, track20c, track20d, track20e;
int track20f, track20f1, track20f2, track20f3, track20g, track20h, track20i;
int track20j, track20jx, track20k, track20l, track20m;
int fov, titlelen, titlelenx, backcolor;
int vista;

float track1, track2, track3;
float digitsize;

float track9zq, track9z, track9, track10, track13;

int backflag, sizeflag, tracking, plotspeed, ring, bars, barsx, barsx1, barsx2, barsx3;
int mettype, flat, dig, xfloor, shortmode, cloak;

int plot, sphere1, sphere2, triang, balls, balls1, colormode, xcolormode;

float spin, spin1, spin2;
float xcx, xcy, xcz;
float fsdx, fsdy, fsdz;
float fsvx, fsvy, fsvz;
float fsxx, fsyy;
float xtx1;

int xcursor, ycursor, zcursor, cursestart, curseout, curseoutx;

int clamped_scale;
float size_factor;
float thrust_target;
int pixel_point_size = 1;
