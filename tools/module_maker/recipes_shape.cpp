// Modules built around one shape of the generator: galaxies, rings, orbs, clusters, tubes,
// crystals, and the fields of big star forms.
#include "tools/module_maker/recipes.h"

namespace {

void galaxies_and_rings(std::vector<ModuleRecipe>& out) {
    // A spiral galaxy turning in front of the milky way, seen tilted, edge-on and from within.
    out.push_back(RecipeBuilder("Galaxy-2")
                      .image("MILK2")
                      .base([](View& v) {
                          keep_flying(v);
                          object_view(v, 60);
                          v.xcolormode = GEN_GALAXY;
                          v.track20k = 24;
                          v.track20l = 20;
                          v.track20e = 40;
                          v.tracking = true;
                          v.track10 = 30000;
                          v.plot = 1;
                          v.track3 = 55;
                          v.track20f3 = 60;
                          colour1(v, 255, 230, 190);
                          spins(v, 0, 40, 0);
                      })
                      .view(8,
                            [](View& v) {
                                v.mettype = false;
                                v.track20f = 990;
                            })
                      .view(1,
                            [](View& v) {
                                v.track3 = 20;
                                v.track7 = 75;
                            })
                      .view(2,
                            [](View& v) {
                                rainbow(v, false, false);
                                v.titlelen = 100;
                                v.track3 = 80;
                            })
                      .view(3,
                            [](View& v) {
                                v.track7 = 160;
                                v.track3 = 40;
                                v.track20h = 2;
                            })
                      .fly("8 700; 1 600; 2 600; 3 700; loop")
                      .build());

    // A giant ring disk spinning below the viewer.
    out.push_back(RecipeBuilder("Ring-Giant")
                      .base([](View& v) {
                          keep_flying(v);
                          object_view(v, 45);
                          v.xcolormode = GEN_RINGS;
                          v.track20k = 1;
                          v.track20l = 20;
                          v.track20e = 90;
                          v.track10 = 30000;
                          v.track3 = 65;
                          v.track20f3 = 60;
                          colour1(v, 255, 220, 150);
                          spins(v, 0, 30, 0);
                      })
                      .view(8,
                            [](View& v) {
                                v.mettype = false;
                                v.track20f = 990;
                            })
                      .view(1,
                            [](View& v) {
                                v.track3 = 30;
                                rainbow(v, true, false);
                            })
                      .view(2,
                            [](View& v) {
                                v.track3 = 85;
                                spins(v, 0, -60, 0);
                                v.track7 = 60;
                            })
                      .view(3,
                            [](View& v) {
                                v.track7 = 110;
                                v.track3 = 50;
                                colour1(v, 200, 220, 255);
                            })
                      .fly("8 600; 1 600; 2 600; 3 600; loop")
                      .build());
}

void spheres(std::vector<ModuleRecipe>& out) {
    // A solid ball of stars turning in front of the viewer.
    out.push_back(RecipeBuilder("Orb")
                      .base([](View& v) {
                          keep_flying(v);
                          object_view(v, 100);
                          v.xcolormode = GEN_SPHERE;
                          v.track20e = 14;
                          v.track10 = 16000;
                          colour1(v, 150, 200, 255);
                          spins(v, 0, 60, 30);
                      })
                      .view(8, [](View& v) { v.mettype = false; })
                      .view(1,
                            [](View& v) {
                                rainbow(v, false, true);
                                v.backcolor = 30;
                            })
                      .view(2,
                            [](View& v) {
                                v.track7 = 140;
                                spins(v, 30, 20, -40);
                            })
                      .view(3,
                            [](View& v) {
                                v.fov = 45;
                                rainbow(v, true, false);
                                v.titlelen = 60;
                            })
                      .fly("8 600; 1 600; 2 600; 3 600; loop")
                      .build());

    // A shell of glowing spheres around a bright spot.
    out.push_back(RecipeBuilder("Corona")
                      .image("SPOT")
                      .base([](View& v) {
                          keep_flying(v);
                          object_view(v, 100);
                          v.xcolormode = GEN_SHELL;
                          v.track20k = 0;
                          v.track20e = 20;
                          v.track10 = 1800;
                          v.plot = 1;
                          v.backflag = true;
                          v.balls = SPHERE_B;
                          v.track4b = 0;
                          v.track8 = 150;
                          v.xfloor = true;
                          colour1(v, 230, 150, 70);
                          spins(v, 20, 40, 0);
                      })
                      .view(8, [](View& v) { v.mettype = false; })
                      .view(1,
                            [](View& v) {
                                v.balls = SPHERE_C;
                                colour1(v, 255, 90, 30);
                            })
                      .view(2,
                            [](View& v) {
                                v.track7 = 150;
                                spins(v, 0, -40, 40);
                            })
                      .view(3,
                            [](View& v) {
                                v.balls = SPHERE_A;
                                v.backcolor = 20;
                                v.titlelen = 120;
                            })
                      .fly("8 600; 1 600; 2 600; 3 600; loop")
                      .build());

    // A dense globular cluster: seen from afar, approached, entered.
    out.push_back(RecipeBuilder("Globular-Cluster-1")
                      .base([](View& v) {
                          keep_flying(v);
                          object_view(v, 40);
                          v.xcolormode = GEN_SPHERE;
                          v.tracking = true;
                          v.track20e = 24;
                          v.track10 = 24000;
                          v.track20f3 = 100;
                          colour1(v, 255, 240, 200);
                          spins(v, 0, 20, 0);
                      })
                      .view(8, [](View& v) { v.mettype = false; })
                      .view(1,
                            [](View& v) {
                                v.track7 = 140;
                                rainbow(v, true, false);
                                v.titlelenx = 60;
                            })
                      .view(2,
                            [](View& v) {
                                v.track7 = 400;
                                v.track20h = 2;
                            })
                      .view(3,
                            [](View& v) {
                                v.track7 = 80;
                                v.fov = 100;
                            })
                      .fly("8 500; 1 700; 2 700; 3 600; loop")
                      .build());

    // A cluster of shells rotating on two axes.
    out.push_back(RecipeBuilder("Globular-Rotate-2")
                      .base([](View& v) {
                          keep_flying(v);
                          object_view(v, 120);
                          v.xcolormode = GEN_SHELL;
                          v.track20k = 7;
                          v.track20l = 2;
                          v.track20e = 128;
                          v.track10 = 20000;
                          colour1(v, 255, 220, 160);
                          spins(v, 0, 120, 80);
                      })
                      .view(8, [](View& v) { v.mettype = false; })
                      .view(1,
                            [](View& v) {
                                spins(v, 40, 60, -120);
                                rainbow(v, false, true);
                            })
                      .view(2,
                            [](View& v) {
                                v.track7 = 180;
                                v.backcolor = 40;
                                v.titlelen = 200;
                            })
                      .view(3,
                            [](View& v) {
                                spins(v, 0, 200, 0);
                                v.track20h = 2;
                            })
                      .fly("8 600; 1 600; 2 600; 3 600; loop")
                      .build());

    // Orbiting thin shells of stars: the view swings round them.
    out.push_back(RecipeBuilder("Orbit-3")
                      .base([](View& v) {
                          keep_flying(v);
                          object_view(v, 150);
                          v.xcolormode = GEN_SHELL;
                          v.track20k = 3;
                          v.track20l = 16;
                          v.track20e = 16;
                          v.track10 = 16000;
                          colour1(v, 200, 255, 220);
                          spins(v, 0, 90, 0);
                      })
                      .view(8, [](View& v) { v.mettype = false; })
                      .view(1, [](View& v) { spins(v, 30, 140, 0); })
                      .view(2,
                            [](View& v) {
                                rainbow(v, true, true);
                                v.backcolor = 20;
                            })
                      .view(3,
                            [](View& v) {
                                spins(v, 0, -90, 40);
                                v.track7 = 200;
                            })
                      .fly("8 600; 1 600; 2 600; 3 600; loop")
                      .build());
}

void lattices_and_tubes(std::vector<ModuleRecipe>& out) {
    // Flying through a face-centred crystal, tinted through a blank backdrop.
    out.push_back(RecipeBuilder("XTAL-Matrix")
                      .image("BLANK")
                      .stars(STARS_LATTICE)
                      .base([](View& v) {
                          keep_flying(v);
                          v.track10 = 20000;
                          v.vista = 30;
                          v.track4b = 500;
                          v.track20h = 2;
                          colour1(v, 120, 255, 200);
                          colour2(v, 0, 80, 60);
                      })
                      .view(8, [](View& v) { v.mettype = false; })
                      .view(1, [](View& v) { spins(v, 60, 0, 0); })
                      .view(2,
                            [](View& v) {
                                v.plot = 1;
                                v.dig = true;
                                colour1(v, 30, 60, 120);
                                colour2(v, 200, 255, 255);
                            })
                      .view(3,
                            [](View& v) {
                                v.ring = true;
                                v.backflag = true;
                                v.track8 = 120;
                            })
                      .view(4,
                            [](View& v) {
                                v.track1 = 45;
                                v.track2 = 35;
                                v.vista = 60;
                            })
                      .fly("8 500; 1 500; 2 500 10,0 f; 3 500; 4 500 -10,0 f; loop")
                      .build());

    // Morphing tubes: every period a new winding, the stars slide into it.
    out.push_back(RecipeBuilder("Tube-Morph-3")
                      .stars(STARS_GENERATED)
                      .base([](View& v) {
                          keep_flying(v);
                          v.xcolormode = GEN_TUBE;
                          v.tracking = true;
                          v.track20k = 40;
                          v.track20l = 20;
                          v.track20e = 40;
                          v.track3 = 360; // no pulse
                          v.track10 = 20000;
                          v.vista = 50;
                          colour1(v, 120, 200, 255);
                          colour2(v, 20, 20, 120);
                      })
                      .view(8,
                            [](View& v) {
                                v.mettype = false;
                                v.track20f = 990;
                            })
                      .view(1,
                            [](View& v) {
                                rainbow(v, false, true);
                                v.backcolor = 40;
                            })
                      .view(2,
                            [](View& v) {
                                v.track20e = 56;
                                v.ring = true;
                                v.track8 = 120;
                            })
                      .view(3,
                            [](View& v) {
                                v.tracking = false;
                                spins(v, 120, 0, 0);
                            })
                      .fly("8 600; 1 600; 2 600 10,0 f; 3 600; loop")
                      .build());

    // The same morph with the light pulsing on every new tube. The pulse is short and comes in
    // every other View, so that the dark troughs never last long.
    out.push_back(RecipeBuilder("Tube-Morph-Pulse")
                      .stars(STARS_GENERATED)
                      .base([](View& v) {
                          keep_flying(v);
                          v.xcolormode = GEN_TUBE;
                          v.track20k = 24;
                          v.track20l = 8;
                          v.track20e = 48;
                          v.track10 = 20000;
                          v.vista = 60;
                          rainbow(v, true, true);
                          v.backcolor = 60;
                      })
                      // A full turn of the Z position holds the light steady while the tubes
                      // still morph.
                      .view(8,
                            [](View& v) {
                                v.mettype = false;
                                v.track3 = 360;
                                v.track20f = 990;
                            })
                      .view(1,
                            [](View& v) {
                                v.tracking = true;
                                spins(v, 90, 0, 0);
                            })
                      .view(2,
                            [](View& v) {
                                v.sizeflag = false;
                                v.track13 = 30;
                                v.track3 = 360;
                            })
                      .view(3,
                            [](View& v) {
                                v.tracking = true;
                                v.track20e = 30;
                            })
                      .fly("8 300; 1 600; 2 600; 3 600; loop")
                      .build());
}

void star_forms(std::vector<ModuleRecipe>& out) {
    // Giant stars: big spheres of type D drawn with depth.
    out.push_back(RecipeBuilder("Giant-Stars-2")
                      .base([](View& v) {
                          keep_flying(v);
                          v.backflag = true;
                          v.balls = SPHERE_D;
                          v.track8 = 500;
                          v.track10 = 900;
                          v.xfloor = true;
                          v.vista = 20;
                          colour1(v, 255, 200, 120);
                      })
                      .view(8, [](View& v) { v.mettype = false; })
                      .view(1,
                            [](View& v) {
                                colour1(v, 150, 190, 255);
                                v.track8 = 700;
                            })
                      .view(2,
                            [](View& v) {
                                rainbow(v, true, false);
                                v.titlelenx = 200;
                            })
                      .view(3,
                            [](View& v) {
                                v.balls = SPHERE_C;
                                v.track10 = 2000;
                                v.track8 = 300;
                            })
                      .fly("8 600; 1 500 10,0 f; 2 500; 3 500 -10,0 f; loop")
                      .build());

    // A field of rectangles.
    out.push_back(RecipeBuilder("Square-Field-2")
                      .base([](View& v) {
                          keep_flying(v);
                          // Looking out of the side: the rectangles pass face-on.
                          v.xtx1 = 100;
                          v.fsvx = 0;
                          v.fsvy = 100;
                          v.ring = true;
                          v.backflag = true;
                          v.track20i = 3;
                          v.track8 = 200;
                          v.track10 = 8000;
                          v.vista = 40;
                          colour1(v, 255, 255, 255);
                          colour2(v, 40, 80, 200);
                      })
                      .view(8, [](View& v) { v.mettype = false; })
                      .view(1,
                            [](View& v) {
                                rainbow(v, false, true);
                                v.backcolor = 50;
                            })
                      .view(2,
                            [](View& v) {
                                spins(v, 200, 0, 0);
                                v.track20i = 6;
                            })
                      .view(3,
                            [](View& v) {
                                colour2(v, 200, 60, 0);
                                v.vista = 80;
                            })
                      .fly("8 500; 1 500; 2 500; 3 500; loop")
                      .build());

    // A cloud of triangles.
    out.push_back(RecipeBuilder("Tri-Cloud-2")
                      .base([](View& v) {
                          keep_flying(v);
                          v.xcolormode = GEN_SPHERE;
                          v.track20e = 60;
                          v.ring = true;
                          v.track8 = 240;
                          v.track10 = 9000;
                          v.track4a = 1600;
                          v.vista = 30;
                          colour1(v, 255, 240, 160);
                          colour2(v, 255, 120, 30);
                          v.track13 = 16;
                      })
                      .view(8, [](View& v) { v.mettype = false; })
                      .view(1,
                            [](View& v) {
                                rainbow(v, true, true);
                                v.backcolor = 30;
                            })
                      .view(2,
                            [](View& v) {
                                spins(v, 0, 60, 0);
                                v.track8 = 300;
                            })
                      .view(3,
                            [](View& v) {
                                v.track13 = 30;
                                v.vista = 60;
                            })
                      .fly("8 500; 1 500 15,0 f; 2 500; 3 500; loop")
                      .build());

    // Green bubbles rising slowly.
    out.push_back(RecipeBuilder("Green-Bubbles-Slow")
                      .base([](View& v) {
                          keep_flying(v);
                          v.backflag = true;
                          v.balls = SPHERE_C;
                          v.track8 = 260;
                          v.track10 = 2500;
                          v.vista = 10;
                          v.xcx = 30;
                          v.xcz = -90;
                          colour1(v, 80, 255, 120);
                      })
                      .view(8, [](View& v) { v.mettype = false; })
                      .view(1,
                            [](View& v) {
                                colour1(v, 160, 255, 80);
                                v.track8 = 360;
                            })
                      .view(2,
                            [](View& v) {
                                v.balls = SPHERE_B;
                                v.titlelen = 80;
                                v.backcolor = 10;
                            })
                      .view(3,
                            [](View& v) {
                                v.fov = 100;
                                v.vista = 16;
                            })
                      .fly("8 600; 1 600; 2 600; 3 600; loop")
                      .build());

    // Descending through green lines over a horizon.
    out.push_back(RecipeBuilder("Green-Descent")
                      .image("HORIZ3")
                      .base([](View& v) {
                          keep_flying(v);
                          v.plot = 1;
                          v.xcz = -80;
                          v.xcx = 60;
                          v.vista = 70;
                          v.track13 = 20;
                          colour1(v, 60, 255, 80);
                          colour2(v, 0, 70, 20);
                      })
                      .view(8, [](View& v) { v.mettype = false; })
                      .view(1,
                            [](View& v) {
                                v.vista = 120;
                                colour1(v, 180, 255, 60);
                            })
                      .view(2,
                            [](View& v) {
                                v.ring = true;
                                v.track8 = 140;
                            })
                      .view(3,
                            [](View& v) {
                                spins(v, 60, 0, 0);
                                v.titlelen = 90;
                                v.backcolor = 15;
                            })
                      .fly("8 500; 1 500 0,-20; 2 500; 3 500 0,-30; loop")
                      .build());
}

} // namespace

void add_shape_recipes(std::vector<ModuleRecipe>& out) {
    galaxies_and_rings(out);
    spheres(out);
    lattices_and_tubes(out);
    star_forms(out);
}
