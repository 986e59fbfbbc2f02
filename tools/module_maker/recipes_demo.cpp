// The module a fresh start plays: a tour of what the engine draws, one look per View.
#include "tools/module_maker/recipes.h"

// Backdrop turn, in degrees, that brings the bright heart of M42 in front of the viewer.
constexpr float NEBULA_SPIN = 358;

void add_demo_recipe(std::vector<ModuleRecipe>& out) {
    out.push_back(RecipeBuilder("demo")
                      .image("M42")
                      .base([](View& v) {
                          v.xcolormode = GEN_RANDOM;
                          v.track10 = 20000;
                          // A full turn of the Z position is no turn at all, and it keeps the tube
                          // from pulsing.
                          v.track3 = 360;
                          keep_flying(v);
                      })
                      // The first sight: rainbow streaks rushing out of the great nebula.
                      .view(8,
                            [](View& v) {
                                v.mettype = false;
                                v.track20f = 990; // the first View sets the angles at once
                                v.track20f2 = 990;
                                v.plot = 1;
                                v.spin1 = NEBULA_SPIN;
                                v.track2 = 360;
                                v.fov = 60;
                                v.vista = 140;
                                v.track13 = 26;
                                rainbow(v, false, true);
                                v.backcolor = 50;
                                spins(v, 60, 0, 0);
                            })
                      // Warp: long streaks at speed.
                      .view(1,
                            [](View& v) {
                                v.vista = 320;
                                v.track13 = 40;
                                v.track20i = 1;
                                colour1(v, 200, 220, 255);
                                colour2(v, 20, 40, 160);
                            })
                      // The stars gather into a winding tube, in cycling rainbow colours.
                      .view(2,
                            [](View& v) {
                                v.xcolormode = GEN_TUBE;
                                v.tracking = true;
                                v.track20k = 50;
                                v.track20l = 24;
                                v.track20e = 40;
                                v.vista = 60;
                                rainbow(v, false, true);
                                v.backcolor = 40;
                                spins(v, 160, 0, 0);
                                // Position Z at its far end keeps the tube lit between
                                // patterns instead of fading out with each one.
                                v.track3 = 360;
                                // The tube runs along Z: fly along it, not on across it.
                                v.mettype = false;
                            })
                      // Glowing spheres drifting by.
                      .view(3,
                            [](View& v) {
                                v.backflag = true;
                                v.balls = SPHERE_C;
                                v.track8 = 300;
                                v.track10 = 2500;
                                v.vista = 25;
                                colour1(v, 255, 150, 40);
                                spins(v, -80, 0, 0);
                            })
                      // The space folds into sine sheets of green triangles.
                      .view(4,
                            [](View& v) {
                                v.xcolormode = GEN_SINE_T;
                                v.track20k = 60;
                                v.track20l = 30;
                                v.track20e = 40;
                                v.ring = true;
                                v.track8 = 200;
                                colour1(v, 60, 255, 120);
                                colour2(v, 0, 60, 40);
                                v.titlelen = 200;
                                v.backcolor = 20;
                            })
                      // Rectangles in pastel, rolling.
                      .view(5,
                            [](View& v) {
                                v.ring = true;
                                v.backflag = true;
                                v.track20i = 2;
                                v.track8 = 160;
                                rainbow(v, true, true);
                                v.backcolor = 60;
                                spins(v, 300, 0, 0);
                            })
                      // A meteor shower across fine points.
                      .view(6,
                            [](View& v) {
                                v.bars = true;
                                v.track20j = 1500;
                                v.track20jx = 600;
                                v.sphere1 = METEOR_XYZ;
                                v.triang = 1;
                                v.track4b = 900;
                                v.vista = 15;
                                colour1(v, 255, 255, 255);
                            })
                      // The nebula behind the stars.
                      .view(7,
                            [](View& v) {
                                v.plot = 1;
                                v.vista = 30;
                                v.fov = 90;
                                v.track13 = 8;
                                colour1(v, 255, 210, 230);
                                spins(v, 0, 60, 0);
                            })
                      .fly("8 600; 1 450 30,0 f; 2 500 0,0; 3 450 -40,10 f; 4 500; 5 450 60,0 f; "
                           "6 450; 7 600 20,-5; loop")
                      .build());
}
