// Modules built around a backdrop image: planets approached, windows on a moon, nebulae.
#include "tools/module_maker/recipes.h"

// Backdrop turn, in degrees, that brings the ringed planet of RINGBALL in front of the viewer.
constexpr float PLANET_SPIN = 304;
// The same for the horse head of HANDH.
constexpr float HORSE_HEAD_SPIN = 340;

void add_backdrop_recipes(std::vector<ModuleRecipe>& out) {
    // The ringed planet of the sky backdrop straight ahead, coming closer as the angle narrows.
    out.push_back(RecipeBuilder("Planet-Flight")
                      .image("RINGBALL")
                      .base([](View& v) {
                          keep_flying(v);
                          v.plot = 1;
                          v.vista = 30;
                          v.track20f2 = 20;
                          colour1(v, 255, 255, 240);
                          v.track2 = 360;
                      })
                      .view(8,
                            [](View& v) {
                                v.mettype = false;
                                v.spin1 = PLANET_SPIN;
                                v.fov = 110;
                                v.track20f = 990;
                                v.track20f2 = 990;
                            })
                      .view(1, [](View& v) { v.fov = 70; })
                      .view(2,
                            [](View& v) {
                                v.fov = 40;
                                v.vista = 60;
                            })
                      .view(3,
                            [](View& v) {
                                v.fov = 22;
                                v.vista = 90;
                                v.track13 = 24;
                            })
                      .fly("8 300 0,12; 1 600 0,12; 2 600 0,12; 3 600 0,12; loop")
                      .build());

    // A large red planet turning beside the flight path.
    out.push_back(RecipeBuilder("Planet-Flight-2")
                      .image("MARTIAN", PLANET_LARGE)
                      .base([](View& v) {
                          keep_flying(v);
                          v.plot = 1;
                          v.vista = 40;
                          v.track20f2 = 30;
                          colour1(v, 255, 220, 200);
                          spins(v, 0, 25, 0);
                          v.track2 = 360;
                      })
                      .view(8,
                            [](View& v) {
                                v.mettype = false;
                                v.fov = 140;
                                v.track20f = 990;
                            })
                      .view(1, [](View& v) { v.fov = 90; })
                      .view(2,
                            [](View& v) {
                                v.fov = 50;
                                v.ring = true;
                                v.track8 = 100;
                            })
                      .view(3,
                            [](View& v) {
                                v.fov = 30;
                                v.vista = 80;
                            })
                      .fly("8 300; 1 600 10,0; 2 600; 3 600 -10,0; loop")
                      .build());

    // The moon filling a window, seen past a slow drift of stars.
    out.push_back(RecipeBuilder("Lunar-Window")
                      .image("MOON", PLANET_LARGE)
                      .base([](View& v) {
                          keep_flying(v);
                          v.plot = 1;
                          v.vista = 10;
                          v.fov = 60;
                          v.track4b = 800;
                          v.track20h = 2;
                          colour1(v, 230, 230, 255);
                          spins(v, 0, 10, 0);
                          v.track2 = 360;
                      })
                      .view(8,
                            [](View& v) {
                                v.mettype = false;
                                v.track20f = 990;
                            })
                      .view(1, [](View& v) { v.fov = 45; })
                      .view(2,
                            [](View& v) {
                                v.dig = true;
                                colour1(v, 255, 230, 180);
                                colour2(v, 255, 255, 255);
                            })
                      .view(3,
                            [](View& v) {
                                v.fov = 80;
                                v.vista = 20;
                            })
                      .fly("8 600; 1 600; 2 600; 3 600; loop")
                      .build());

    // Heading straight into the red planet, which flies with the stars.
    out.push_back(RecipeBuilder("Mars-Crash")
                      .image("MARTIAN", FLY_LARGE)
                      .base([](View& v) {
                          keep_flying(v);
                          v.plot = 1;
                          v.vista = 20;
                          v.track13 = 18;
                          colour1(v, 255, 200, 150);
                          colour2(v, 120, 30, 0);
                      })
                      .view(8, [](View& v) { v.mettype = false; })
                      .view(1,
                            [](View& v) {
                                v.vista = 120;
                                v.track13 = 30;
                            })
                      .view(2,
                            [](View& v) {
                                v.vista = 200;
                                spins(v, 100, 0, 0);
                            })
                      .view(3,
                            [](View& v) {
                                v.vista = 40;
                                v.fov = 110;
                            })
                      .fly("8 600; 1 300; 2 300; 3 500; loop")
                      .build());

    // The great nebula behind a turning field.
    out.push_back(RecipeBuilder("Nebula-3")
                      .image("M42")
                      .base([](View& v) {
                          keep_flying(v);
                          v.plot = 1;
                          v.vista = 25;
                          v.track4b = 600;
                          v.track20h = 2;
                          colour1(v, 255, 220, 240);
                          spins(v, 0, 20, 0);
                          v.track2 = 360;
                      })
                      .view(8,
                            [](View& v) {
                                v.mettype = false;
                                v.track20f = 990;
                            })
                      .view(1, [](View& v) { v.fov = 50; })
                      .view(2,
                            [](View& v) {
                                v.dig = true;
                                colour1(v, 200, 160, 255);
                                colour2(v, 255, 240, 255);
                            })
                      .view(3,
                            [](View& v) {
                                spins(v, 0, -30, 0);
                                v.vista = 50;
                            })
                      .fly("8 600; 1 600; 2 600; 3 600; loop")
                      .build());

    // The horse-head nebula ahead, drifting slowly past a field that turns to rainbow.
    out.push_back(RecipeBuilder("Nebula-5")
                      .image("HANDH")
                      .base([](View& v) {
                          keep_flying(v);
                          v.plot = 1;
                          v.vista = 30;
                          v.fov = 55;
                          v.track20h = 2;
                          colour1(v, 230, 240, 255);
                          spins(v, 0, 6, 0);
                          v.track2 = 360;
                      })
                      .view(8,
                            [](View& v) {
                                v.mettype = false;
                                v.spin1 = HORSE_HEAD_SPIN;
                                v.track20f = 990;
                                v.track20f2 = 990;
                            })
                      .view(1, [](View& v) { rainbow(v, true, false); })
                      .view(2,
                            [](View& v) {
                                v.fov = 80;
                                spins(v, 0, -12, 0);
                            })
                      .view(3,
                            [](View& v) {
                                v.track4b = 1000;
                                v.vista = 15;
                                v.fov = 40;
                            })
                      .fly("8 600; 1 600; 2 600; 3 600; loop")
                      .build());
}
