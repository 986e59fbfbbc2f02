// Starfields to fly through: the standard fields, the sub-light and sub-space cruises.
#include "tools/module_maker/recipes.h"

namespace {

void standard_starfields(std::vector<ModuleRecipe>& out) {
    out.push_back(RecipeBuilder("Standard-Starfield-1")
                      .base([](View& v) { keep_flying(v); })
                      .view(8, [](View& v) { v.mettype = false; })
                      .view(1, [](View& v) { v.vista = 70; })
                      .view(2,
                            [](View& v) {
                                v.vista = 20;
                                v.track13 = 6;
                            })
                      .view(3,
                            [](View& v) {
                                colour1(v, 255, 240, 200);
                                v.vista = 50;
                            })
                      .view(4,
                            [](View& v) {
                                v.fov = 100;
                                v.vista = 90;
                                v.track13 = 24;
                            })
                      .fly("8 600; 1 500 25,0 f; 3 500 -25,6 f; 2 400; 4 500 0,-8 f; 8 300; loop")
                      .build());

    out.push_back(RecipeBuilder("Standard-Starfield-2")
                      .base([](View& v) {
                          keep_flying(v);
                          v.track10 = 24000;
                          v.track4b = 600;
                          v.track20h = 1;
                          colour1(v, 230, 230, 255);
                      })
                      .view(8, [](View& v) { v.mettype = false; })
                      .view(1,
                            [](View& v) {
                                v.vista = 80;
                                v.track4b = 450;
                            })
                      .view(2,
                            [](View& v) {
                                colour1(v, 255, 220, 170);
                                v.vista = 25;
                            })
                      .view(3,
                            [](View& v) {
                                v.fov = 50;
                                v.vista = 60;
                                spins(v, 30, 0, 0);
                            })
                      .fly("8 500; 1 500 40,0 f; 2 500 -30,-10 f; 3 600; 1 400 0,10 f; loop")
                      .build());
}

void sub_light(std::vector<ModuleRecipe>& out) {
    // Warm field, lines turning into triangles as the cruise speeds up.
    out.push_back(RecipeBuilder("Sub-Light-2")
                      .base([](View& v) {
                          keep_flying(v);
                          colour1(v, 255, 200, 120);
                          colour2(v, 220, 110, 40);
                          v.vista = 60;
                      })
                      .view(8, [](View& v) { v.mettype = false; })
                      .view(1,
                            [](View& v) {
                                v.ring = true;
                                v.track8 = 90;
                            })
                      .view(2,
                            [](View& v) {
                                v.vista = 140;
                                v.track13 = 26;
                            })
                      .view(3,
                            [](View& v) {
                                v.ring = true;
                                v.track8 = 180;
                                v.vista = 30;
                            })
                      .fly("8 500; 1 500 30,0 f; 2 450; 3 500 -30,10 f; 8 300 0,-10 f; keep")
                      .build());

    // A sphere of stars with a dense core, drifting.
    out.push_back(RecipeBuilder("Sub-Light-4")
                      .base([](View& v) {
                          keep_flying(v);
                          v.xcolormode = GEN_SPHERE;
                          v.tracking = true;
                          v.track20e = 100;
                          v.track10 = 20000;
                          v.vista = 30;
                          colour1(v, 200, 230, 255);
                      })
                      .view(8, [](View& v) { v.mettype = false; })
                      .view(1,
                            [](View& v) {
                                rainbow(v, false, false);
                                v.titlelenx = 140;
                            })
                      .view(2,
                            [](View& v) {
                                v.fov = 110;
                                spins(v, 0, 40, 0);
                            })
                      .view(3,
                            [](View& v) {
                                v.vista = 90;
                                v.track13 = 30;
                            })
                      .fly("8 500; 1 500 20,0 f; 2 600; 3 400 -20,0 f; 1 400; loop")
                      .build());

    // Colour shifting through the wheel while cruising.
    out.push_back(RecipeBuilder("Sub-Light-6")
                      .base([](View& v) {
                          keep_flying(v);
                          colour1(v, 255, 80, 60);
                          v.backcolor = 30;
                          v.vista = 50;
                          v.track10 = 20000;
                      })
                      .view(8, [](View& v) { v.mettype = false; })
                      .view(1,
                            [](View& v) {
                                v.titlelen = 300;
                                v.backcolor = 60;
                            })
                      .view(2,
                            [](View& v) {
                                v.backcolor = 200;
                                v.vista = 100;
                            })
                      .view(3,
                            [](View& v) {
                                v.track20i = 2;
                                v.track13 = 20;
                                v.vista = 40;
                            })
                      .fly("8 500; 1 500 30,5 f; 2 500; 3 500 -30,-5 f; loop")
                      .build());

    // Gentle sine sheets at low speed.
    out.push_back(RecipeBuilder("Sub-Light-7")
                      .base([](View& v) {
                          keep_flying(v);
                          v.xcolormode = GEN_SINE;
                          v.track20k = 128;
                          v.track20l = 128;
                          v.track20e = 40;
                          v.track10 = 24000;
                          v.vista = 30;
                          colour1(v, 160, 255, 230);
                          colour2(v, 0, 60, 80);
                      })
                      .view(8, [](View& v) { v.mettype = false; })
                      .view(1,
                            [](View& v) {
                                v.track1 = 20;
                                v.vista = 50;
                            })
                      .view(2,
                            [](View& v) {
                                rainbow(v, true, true);
                                v.backcolor = 20;
                            })
                      .view(3,
                            [](View& v) {
                                v.fov = 100;
                                v.track13 = 30;
                            })
                      .fly("8 500; 1 500 15,0 f; 2 600 0,-8 f; 3 500; loop")
                      .build());

    // Heavy traffic: many stars, short lines, wide angle.
    out.push_back(RecipeBuilder("Sub-Light-8")
                      .base([](View& v) {
                          keep_flying(v);
                          v.track10 = 32000;
                          v.track13 = 8;
                          v.fov = 95;
                          v.vista = 70;
                          colour1(v, 255, 255, 230);
                          colour2(v, 90, 90, 150);
                      })
                      .view(8, [](View& v) { v.mettype = false; })
                      .view(1,
                            [](View& v) {
                                v.fov = 60;
                                v.vista = 120;
                            })
                      .view(2,
                            [](View& v) {
                                colour1(v, 180, 200, 255);
                                spins(v, 40, 0, 0);
                            })
                      .view(3,
                            [](View& v) {
                                v.fov = 130;
                                v.vista = 40;
                            })
                      .fly("8 500; 1 500 35,0 f; 2 500 -35,0 f; 3 500; loop")
                      .build());

    // Sub-Light-N: a night sky of points only, with a slow drift and twinkling colours.
    out.push_back(RecipeBuilder("Sub-Light-N")
                      .base([](View& v) {
                          keep_flying(v);
                          v.track4b = 1000;
                          v.track20h = 1;
                          v.track10 = 28000;
                          v.vista = 12;
                          v.track4a = 1100;
                          colour1(v, 240, 240, 255);
                      })
                      .view(8, [](View& v) { v.mettype = false; })
                      .view(1,
                            [](View& v) {
                                rainbow(v, true, false);
                                v.titlelenx = 170;
                            })
                      .view(2,
                            [](View& v) {
                                v.track20h = 2;
                                v.vista = 25;
                            })
                      .view(3,
                            [](View& v) {
                                v.fov = 40;
                                spins(v, 20, 0, 0);
                            })
                      .fly("8 600; 1 600 10,0 f; 2 600; 3 600 -10,3 f; loop")
                      .build());

    // Tumbling through the field: all three spins at once.
    out.push_back(RecipeBuilder("Sub-Light-Tumble")
                      .image("HORIZ2")
                      .base([](View& v) {
                          keep_flying(v);
                          spins(v, 60, 80, 120);
                          v.vista = 45;
                          colour1(v, 255, 230, 200);
                      })
                      .view(8, [](View& v) { v.mettype = false; })
                      .view(1,
                            [](View& v) {
                                spins(v, 0, 40, -160);
                                v.plot = 1;
                            })
                      .view(2,
                            [](View& v) {
                                spins(v, 200, -150, 0);
                                v.ring = true;
                            })
                      .view(3,
                            [](View& v) {
                                spins(v, -220, 60, 60);
                                v.plot = 1;
                                v.vista = 80;
                            })
                      .fly("8 500; 1 500; 2 500 20,0 f; 3 500; loop")
                      .build());
}

void sub_space(std::vector<ModuleRecipe>& out) {
    // Deep blue field with violet tails and reverse view glances.
    out.push_back(RecipeBuilder("Sub-Space-1")
                      .base([](View& v) {
                          keep_flying(v);
                          colour1(v, 120, 150, 255);
                          colour2(v, 80, 0, 120);
                          v.track13 = 22;
                          v.vista = 90;
                      })
                      .view(8, [](View& v) { v.mettype = false; })
                      .view(1, [](View& v) { v.barsx3 = true; })
                      .view(2,
                            [](View& v) {
                                v.vista = 160;
                                v.track13 = 34;
                            })
                      .view(3,
                            [](View& v) {
                                colour1(v, 200, 120, 255);
                                v.fov = 110;
                            })
                      .fly("8 500; 2 500 20,0 f; 1 400; 3 500 -20,0 f; loop")
                      .build());

    // Flying inside a huge sphere textured with the layered sky, which moves with star 0.
    out.push_back(RecipeBuilder("Sub-Space-10")
                      .image("M", FLY_LARGE)
                      .base([](View& v) {
                          keep_flying(v);
                          v.plot = 1;
                          v.vista = 40;
                          colour1(v, 255, 255, 255);
                      })
                      .view(8, [](View& v) { v.mettype = false; })
                      .view(1,
                            [](View& v) {
                                v.vista = 90;
                                v.track13 = 24;
                            })
                      .view(2,
                            [](View& v) {
                                spins(v, 0, 50, 0);
                                v.fov = 100;
                            })
                      .view(3,
                            [](View& v) {
                                v.barsx1 = true;
                                v.vista = 60;
                            })
                      .fly("8 500; 1 500 25,0 f; 2 500; 3 500 -25,0 f; loop")
                      .build());

    // Random box in thin sheets (Planar) crossed at an angle.
    out.push_back(RecipeBuilder("Sub-Space-3")
                      .base([](View& v) {
                          keep_flying(v);
                          v.xcolormode = GEN_PLANAR;
                          v.track20e = 128;
                          v.track20k = 6;
                          v.track20l = 128;
                          v.track10 = 20000;
                          v.vista = 50;
                          colour1(v, 255, 190, 255);
                          colour2(v, 60, 0, 90);
                      })
                      .view(8, [](View& v) { v.mettype = false; })
                      .view(1, [](View& v) { v.track1 = 25; })
                      .view(2,
                            [](View& v) {
                                v.track1 = 70;
                                v.vista = 80;
                            })
                      .view(3,
                            [](View& v) {
                                rainbow(v, false, true);
                                v.backcolor = 30;
                            })
                      .fly("8 500; 1 500 0,-10 f; 2 500; 3 500 20,0 f; loop")
                      .build());

    // Layered backdrop seen through a field of pale points.
    out.push_back(RecipeBuilder("Sub-Space-7")
                      .image("LAYER")
                      .base([](View& v) {
                          keep_flying(v);
                          v.plot = 1;
                          v.track4b = 700;
                          v.track20h = 2;
                          v.vista = 30;
                          colour1(v, 220, 240, 255);
                      })
                      .view(8, [](View& v) { v.mettype = false; })
                      .view(1, [](View& v) { spins(v, 0, 30, 0); })
                      .view(2,
                            [](View& v) {
                                v.track4b = 300;
                                v.vista = 70;
                            })
                      .view(3,
                            [](View& v) {
                                v.fov = 110;
                                spins(v, 0, -30, 0);
                            })
                      .fly("8 500; 1 500 15,0 f; 2 500; 3 600 -15,0 f; loop")
                      .build());

    // Sub-Space-9: shells of stars in cycling rainbow colours.
    out.push_back(RecipeBuilder("Sub-Space-9")
                      .base([](View& v) {
                          keep_flying(v);
                          v.xcolormode = GEN_SHELL;
                          v.track20k = 24;
                          v.track20l = 40;
                          v.track20e = 30;
                          v.track10 = 20000;
                          v.track7 = 250;
                          v.track13 = 4;
                          v.titlelenx = 40;
                          v.vista = 0;
                          rainbow(v, false, true);
                          v.backcolor = 25;
                      })
                      .view(8, [](View& v) { v.mettype = false; })
                      .view(1, [](View& v) { v.sizeflag = true; })
                      .view(2,
                            [](View& v) {
                                spins(v, 120, 0, 0);
                                v.titlelen = 128;
                            })
                      .view(3,
                            [](View& v) {
                                v.ring = true;
                                v.track8 = 140;
                            })
                      .fly("8 500; 1 500; 2 500 8,0; 3 500 -8,0; loop")
                      .build());
}

void solvantrix(std::vector<ModuleRecipe>& out) {
    // The product's signature look: rainbow lines that cycle, in a spinning field.
    out.push_back(RecipeBuilder("Solvantrix-1")
                      .base([](View& v) {
                          keep_flying(v);
                          rainbow(v, false, true);
                          v.backcolor = 50;
                          v.track10 = 22000;
                          v.vista = 60;
                          v.track13 = 18;
                      })
                      .view(8, [](View& v) { v.mettype = false; })
                      .view(1, [](View& v) { spins(v, 200, 0, 0); })
                      .view(2,
                            [](View& v) {
                                v.sizeflag = true;
                                v.vista = 120;
                            })
                      .view(3,
                            [](View& v) {
                                v.ring = true;
                                v.backflag = true;
                                v.track8 = 140;
                            })
                      .view(4,
                            [](View& v) {
                                v.backcolor = 200;
                                v.fov = 100;
                            })
                      .fly("8 500; 1 500 20,0 f; 2 400; 3 500 -20,5 f; 4 500; loop")
                      .build());

    // A galaxy of rainbow triangles around the viewer, slowly turning.
    out.push_back(RecipeBuilder("Solvantrix-2")
                      .base([](View& v) {
                          keep_flying(v);
                          v.xcolormode = GEN_GALAXY;
                          v.track20k = 12;
                          v.track20l = 30;
                          v.track20e = 60;
                          v.tracking = true;
                          v.track10 = 20000;
                          v.vista = 25;
                          v.ring = true;
                          v.track8 = 30;
                          v.track13 = 6;
                          v.track7 = 140;
                          rainbow(v, true, true);
                          v.backcolor = 30;
                          spins(v, 0, 40, 0);
                      })
                      .view(8,
                            [](View& v) {
                                v.mettype = false;
                                v.track3 = 20;
                            })
                      .view(1,
                            [](View& v) {
                                v.track3 = 60;
                                v.ring = false;
                            })
                      .view(2,
                            [](View& v) {
                                v.sizeflag = false;
                                spins(v, 0, -40, 0);
                            })
                      .view(3,
                            [](View& v) {
                                v.track3 = 0;
                                v.vista = 60;
                            })
                      .fly("8 600; 1 500; 2 500 15,0 f; 3 500; loop")
                      .build());
}

} // namespace

void add_starfield_recipes(std::vector<ModuleRecipe>& out) {
    standard_starfields(out);
    sub_light(out);
    sub_space(out);
    solvantrix(out);
}
