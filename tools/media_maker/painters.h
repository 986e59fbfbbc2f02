// One function per backdrop; each fills the whole canvas it is given, at any size.
#pragma once

#include "tools/media_maker/canvas.h"

void paint_sky(Canvas& canvas);
void paint_blank(Canvas& canvas);
void paint_milky_way(Canvas& canvas);
void paint_spot(Canvas& canvas);

void paint_galaxy(Canvas& canvas);
void paint_orion_nebula(Canvas& canvas);
void paint_horse_head(Canvas& canvas);
void paint_layers(Canvas& canvas);

void paint_mars(Canvas& canvas);
void paint_moon(Canvas& canvas);
void paint_ringed_planet(Canvas& canvas);

void paint_dusk_horizon(Canvas& canvas);
void paint_dawn_horizon(Canvas& canvas);
void paint_ice_horizon(Canvas& canvas);

void paint_pattern(Canvas& canvas);
