// Modules of motion: vortices of motion functions and spins, speed, reverse and folding.
#include "tools/module_maker/recipes.h"

namespace {

void vortices(std::vector<ModuleRecipe>& out) {
    // Circling on both axes while rolling: a corkscrew through the field.
    out.push_back(RecipeBuilder("Vortex-1")
                      .base([](View& v) {
                          keep_flying(v);
                          v.colormode = FUN_CIRCLE;
                          v.track9z = 1500;
                          v.track9zq = 600;
                          v.vista = 90;
                          v.track13 = 22;
                          colour1(v, 200, 220, 255);
                          spins(v, 200, 0, 0);
                      })
                      .view(8, [](View& v) { v.mettype = false; })
                      .view(1,
                            [](View& v) {
                                v.colormode = FUN_CIRCLE_H;
                                v.track9z = 2000;
                            })
                      .view(2,
                            [](View& v) {
                                v.colormode = FUN_CIRCLE_V;
                                rainbow(v, false, true);
                                v.backcolor = 40;
                            })
                      .view(3,
                            [](View& v) {
                                v.colormode = FUN_TURN;
                                v.track9z = 600;
                                spins(v, -250, 0, 0);
                            })
                      .fly("8 500 0,0 f; 1 500 0,0 f; 2 500 0,0 f; 3 500 0,0 f; loop")
                      .build());

    // Random wandering in both axes through a field of triangles.
    out.push_back(RecipeBuilder("Vortex-7")
                      .base([](View& v) {
                          keep_flying(v);
                          v.colormode = FUN_WANDER;
                          v.track9z = 1200;
                          v.track9zq = 300;
                          v.vista = 80;
                          v.ring = true;
                          v.track8 = 260;
                          v.track4a = 1500;
                          v.track10 = 14000;
                          colour1(v, 255, 120, 200);
                          colour2(v, 220, 140, 255);
                          v.track13 = 16;
                      })
                      .view(8, [](View& v) { v.mettype = false; })
                      .view(1,
                            [](View& v) {
                                v.colormode = FUN_WANDER_H;
                                v.track9z = 2000;
                            })
                      .view(2,
                            [](View& v) {
                                v.colormode = FUN_WANDER_V;
                                v.track9zq = 40;
                            })
                      .view(3,
                            [](View& v) {
                                v.colormode = FUN_WANDER_HV;
                                rainbow(v, true, true);
                                v.backcolor = 30;
                            })
                      .view(4,
                            [](View& v) {
                                v.colormode = FUN_JITTER;
                                v.track9z = 80;
                                v.track9zq = 20;
                            })
                      .fly("8 500 0,0 f; 1 500 0,0 f; 2 500 0,0 f; 3 500 0,0 f; 4 300 0,0 f; loop")
                      .build());

    // A whirl against a patterned backdrop: spins on every axis and a constant turn.
    out.push_back(RecipeBuilder("Vortex-9")
                      .image("PATTERN")
                      .base([](View& v) {
                          keep_flying(v);
                          v.plot = 1;
                          v.colormode = FUN_TURN;
                          v.track9z = 400;
                          v.vista = 70;
                          v.track13 = 26;
                          rainbow(v, false, true);
                          v.backcolor = 50;
                          spins(v, 300, 0, 0);
                      })
                      .view(8, [](View& v) { v.mettype = false; })
                      .view(1,
                            [](View& v) {
                                spins(v, -300, 0, 100);
                                v.dig = true;
                                colour1(v, 120, 90, 255);
                            })
                      .view(2,
                            [](View& v) {
                                v.colormode = FUN_CIRCLE;
                                v.track9z = 1800;
                                v.track9zq = 900;
                            })
                      .view(3,
                            [](View& v) {
                                v.plot = 0;
                                spins(v, 160, 160, 0);
                            })
                      .fly("8 500 0,0 f; 1 500 0,0 f; 2 500 0,0 f; 3 500 0,0 f; loop")
                      .build());
}

void speed(std::vector<ModuleRecipe>& out) {
    // Hyperspace: long blue streaks, the speed rising and falling.
    out.push_back(RecipeBuilder("Hyper-Space-2")
                      .base([](View& v) {
                          keep_flying(v);
                          v.vista = 400;
                          v.track13 = 45;
                          v.track10 = 9000;
                          v.track20g = 80;
                          colour1(v, 220, 230, 255);
                          colour2(v, 10, 30, 140);
                      })
                      .view(8,
                            [](View& v) {
                                v.mettype = false;
                                v.vista = 150;
                            })
                      .view(1,
                            [](View& v) {
                                v.vista = 600;
                                v.track13 = 60;
                            })
                      .view(2,
                            [](View& v) {
                                v.vista = 250;
                                spins(v, 150, 0, 0);
                            })
                      .view(3,
                            [](View& v) {
                                v.vista = 800;
                                v.fov = 110;
                            })
                      .fly("8 400; 1 600 10,0 f; 2 500; 3 600 -10,0 f; loop")
                      .build());

    // Hyperspace in rainbow with meteors shooting past.
    out.push_back(RecipeBuilder("Hyper-Space-10")
                      .base([](View& v) {
                          keep_flying(v);
                          v.vista = 500;
                          v.track13 = 50;
                          v.track10 = 9000;
                          v.track20g = 60;
                          rainbow(v, false, true);
                          v.backcolor = 90;
                          v.bars = true;
                          v.track20j = 400;
                          v.track20jx = 900;
                          v.triang = 1;
                      })
                      .view(8, [](View& v) { v.mettype = false; })
                      .view(1,
                            [](View& v) {
                                v.sizeflag = true;
                                v.vista = 700;
                            })
                      .view(2,
                            [](View& v) {
                                v.track20i = 2;
                                spins(v, -200, 0, 0);
                            })
                      .view(3,
                            [](View& v) {
                                v.vista = 300;
                                v.fov = 100;
                                v.sphere1 = METEOR_XYZ;
                            })
                      .fly("8 500; 1 500 15,0 f; 2 500; 3 500 -15,0 f; loop")
                      .build());

    // Hyperspace through a cluster whose dense core comes round again and again.
    out.push_back(RecipeBuilder("Hyper-Cluster")
                      .base([](View& v) {
                          keep_flying(v);
                          v.xcolormode = GEN_SPHERE;
                          v.tracking = true;
                          v.track20e = 128;
                          v.vista = 300;
                          v.track13 = 36;
                          v.track10 = 9000;
                          colour1(v, 255, 230, 170);
                          colour2(v, 150, 40, 0);
                      })
                      .view(8, [](View& v) { v.mettype = false; })
                      .view(1,
                            [](View& v) {
                                v.vista = 500;
                                spins(v, 90, 0, 0);
                            })
                      .view(2,
                            [](View& v) {
                                rainbow(v, false, true);
                                v.backcolor = 40;
                            })
                      .view(3,
                            [](View& v) {
                                v.vista = 150;
                                v.ring = true;
                                v.track8 = 120;
                            })
                      .fly("8 500; 1 500 10,0 f; 2 500; 3 500; loop")
                      .build());

    // Racing between the planes of a layered field.
    out.push_back(RecipeBuilder("Hyper-Plane-2")
                      .base([](View& v) {
                          keep_flying(v);
                          v.xcolormode = GEN_PLANAR;
                          v.track20e = 128;
                          v.track20k = 3;
                          v.track20l = 128;
                          v.vista = 300;
                          v.track13 = 40;
                          v.track10 = 22000;
                          colour1(v, 180, 255, 255);
                          colour2(v, 0, 60, 120);
                      })
                      .view(8,
                            [](View& v) {
                                v.mettype = false;
                                v.vista = 150;
                            })
                      .view(1, [](View& v) { v.vista = 500; })
                      .view(2, [](View& v) { v.track1 = 90; })
                      .view(3,
                            [](View& v) {
                                v.track3 = 30;
                                rainbow(v, false, true);
                                v.backcolor = 30;
                            })
                      .fly("8 400; 1 500; 2 500; 3 500; loop")
                      .build());

    // Two planes crossing, swept at speed.
    out.push_back(RecipeBuilder("Hyper-Plane-6")
                      .base([](View& v) {
                          keep_flying(v);
                          v.xcolormode = GEN_SINE;
                          v.tracking = true;
                          v.track20k = 128;
                          v.track20l = 128;
                          v.track20e = 40;
                          v.vista = 350;
                          v.track13 = 40;
                          v.track10 = 22000;
                          colour1(v, 255, 200, 255);
                          colour2(v, 100, 0, 120);
                      })
                      .view(8, [](View& v) { v.mettype = false; })
                      .view(1,
                            [](View& v) {
                                v.track1 = 15;
                                v.vista = 500;
                            })
                      .view(2,
                            [](View& v) {
                                rainbow(v, true, true);
                                v.backcolor = 40;
                            })
                      .view(3,
                            [](View& v) {
                                v.track1 = 90;
                                spins(v, 60, 0, 0);
                            })
                      .fly("8 500; 1 500; 2 500; 3 500; loop")
                      .build());

    // A single plane of stars under the flight.
    out.push_back(RecipeBuilder("Planar-1")
                      .stars(STARS_GENERATED, 0, -2500, 0)
                      .base([](View& v) {
                          keep_flying(v);
                          v.xcolormode = GEN_PLANAR;
                          v.track20e = 128;
                          v.track20k = 0;
                          v.track20l = 128;
                          v.vista = 60;
                          v.track10 = 20000;
                          colour1(v, 255, 255, 200);
                      })
                      .view(8, [](View& v) { v.mettype = false; })
                      .view(1, [](View& v) { v.track3 = 20; })
                      .view(2,
                            [](View& v) {
                                v.ring = true;
                                v.track8 = 140;
                                rainbow(v, false, false);
                            })
                      .view(3,
                            [](View& v) {
                                v.vista = 150;
                                v.track13 = 30;
                            })
                      .fly("8 500; 1 500 0,10; 2 500; 3 500 0,-10; loop")
                      .build());

    // Short Z: the far half of space folds into the middle, a dense wall of light.
    out.push_back(RecipeBuilder("Space-Folding")
                      .base([](View& v) {
                          keep_flying(v);
                          v.shortmode = true;
                          v.vista = 80;
                          v.track13 = 20;
                          colour1(v, 200, 180, 255);
                          colour2(v, 60, 0, 100);
                      })
                      .view(8, [](View& v) { v.mettype = false; })
                      .view(1,
                            [](View& v) {
                                spins(v, 120, 0, 0);
                                v.vista = 140;
                            })
                      .view(2,
                            [](View& v) {
                                rainbow(v, true, true);
                                v.backcolor = 30;
                            })
                      .view(3,
                            [](View& v) {
                                v.shortmode = false;
                                v.vista = 60;
                            })
                      .fly("8 500; 1 500 15,0 f; 2 500; 3 400; loop")
                      .build());

    // Reverse thrust: the field recedes, tails pointing at the viewer.
    out.push_back(RecipeBuilder("Anti-Light-4")
                      .base([](View& v) {
                          keep_flying(v);
                          v.barsx1 = true;
                          v.vista = 90;
                          v.track13 = 24;
                          colour1(v, 255, 150, 90);
                          colour2(v, 60, 0, 120);
                      })
                      .view(8, [](View& v) { v.mettype = false; })
                      .view(1,
                            [](View& v) {
                                v.vista = 160;
                                spins(v, 80, 0, 0);
                            })
                      .view(2,
                            [](View& v) {
                                v.barsx3 = true;
                                colour1(v, 150, 200, 255);
                            })
                      .view(3,
                            [](View& v) {
                                rainbow(v, false, true);
                                v.backcolor = 30;
                            })
                      .fly("8 500; 1 500 15,0 f; 2 500; 3 500 -15,0 f; loop")
                      .build());

    // Climbing out over a horizon.
    out.push_back(RecipeBuilder("Ascent")
                      .image("HORIZ")
                      .base([](View& v) {
                          keep_flying(v);
                          v.plot = 1;
                          v.xcz = 60;
                          v.vista = 50;
                          colour1(v, 255, 240, 210);
                          colour2(v, 80, 60, 160);
                      })
                      .view(8, [](View& v) { v.mettype = false; })
                      .view(1,
                            [](View& v) {
                                v.vista = 90;
                                v.track13 = 22;
                            })
                      .view(2,
                            [](View& v) {
                                v.xcz = 100;
                                spins(v, 40, 0, 0);
                            })
                      .view(3,
                            [](View& v) {
                                v.fov = 100;
                                v.vista = 40;
                            })
                      .fly("8 500 0,20; 1 500 0,40; 2 500 0,30; 3 500 0,10; loop")
                      .build());

    // Snow: white points falling slowly.
    out.push_back(RecipeBuilder("Snow-2")
                      .base([](View& v) {
                          keep_flying(v);
                          v.xcx = 5;
                          v.xcz = 100;
                          v.vista = 12;
                          v.track4b = 1000;
                          v.track20h = 2;
                          v.track10 = 3000;
                          v.colormode = FUN_WANDER_H;
                          v.track9z = 300;
                          v.track9zq = 100;
                          colour1(v, 255, 255, 255);
                      })
                      .view(8, [](View& v) { v.mettype = false; })
                      .view(1,
                            [](View& v) {
                                v.vista = 20;
                                v.xcy = 20;
                            })
                      .view(2,
                            [](View& v) {
                                v.track20h = 3;
                                v.vista = 8;
                            })
                      .view(3,
                            [](View& v) {
                                v.xcy = -30;
                                v.vista = 16;
                            })
                      .fly("8 600; 1 600; 2 600; 3 600; loop")
                      .build());
}

} // namespace

void add_motion_recipes(std::vector<ModuleRecipe>& out) {
    vortices(out);
    speed(out);
}
