#include "setup/package_lists.h"

#include <cstring>

const char* const IMAGE_LIST[] = {"M",      "LAYER",  "PATTERN",  "SKY",     "SPOT",  "HORIZ",
                                  "HORIZ2", "HORIZ3", "HANDH",    "MARTIAN", "BLANK", "MILK2",
                                  "M42",    "MOON",   "RINGBALL", "RUMBLE",  LIST_END};

const char* const PACKAGE_LIST[] = {"Anti-Light-4.cmp",
                                    "Ascent.cmp",
                                    "Corona.cmp",
                                    "Galaxy-2.cmp",
                                    "Giant-Stars-2.cmp",
                                    "Globular-Cluster-1.cmp",
                                    "Globular-Rotate-2.cmp",
                                    "Green-Bubbles-Slow.cmp",
                                    "Green-Descent.cmp",
                                    "Hyper-Cluster.cmp",
                                    "Hyper-Plane-2.cmp",
                                    "Hyper-Plane-6.cmp",
                                    "Hyper-Space-10.cmp",
                                    "Hyper-Space-2.cmp",
                                    "Solvantrix-1.cmp",
                                    "Solvantrix-2.cmp",
                                    "Lunar-Window.cmp",
                                    "Mars-Crash.cmp",
                                    "Nebula-3.cmp",
                                    "Nebula-5.cmp",
                                    "Orb.cmp",
                                    "Orbit-3.cmp",
                                    "Planar-1.cmp",
                                    "Planet-Flight.cmp",
                                    "Planet-Flight-2.cmp",
                                    "Ring-Giant.cmp",
                                    "Snow-2.cmp",
                                    "Space-Folding.cmp",
                                    "Square-Field-2.cmp",
                                    "Standard-Starfield-1.cmp",
                                    "Standard-Starfield-2.cmp",
                                    "Sub-Light-2.cmp",
                                    "Sub-Light-4.cmp",
                                    "Sub-Light-6.cmp",
                                    "Sub-Light-7.cmp",
                                    "Sub-Light-8.cmp",
                                    "Sub-Light-N.cmp",
                                    "Sub-Light-Tumble.cmp",
                                    "Sub-Space-1.cmp",
                                    "Sub-Space-10.cmp",
                                    "Sub-Space-3.cmp",
                                    "Sub-Space-7.cmp",
                                    "Sub-Space-9.cmp",
                                    "Tri-Cloud-2.cmp",
                                    "Tube-Morph-3.cmp",
                                    "Tube-Morph-Pulse.cmp",
                                    "Vortex-1.cmp",
                                    "Vortex-7.cmp",
                                    "Vortex-9.cmp",
                                    "XTAL-Matrix.cmp",
                                    LIST_END};

const char* const PACKAGE_PART_EXTENSIONS[PACKAGE_PARTS] = {".sv",  ".pr1", ".pr2", ".pr3",
                                                            ".pr4", ".pr5", ".pr6", ".pr8"};

int count_list(const char* const* list) {
    int count = 0;
    while (std::strcmp(list[count], LIST_END) != 0) ++count;
    return count;
}

const char* image_extension(const char* image_name) {
    return std::strstr(image_name, "RUMBLE") ? ".WAV" : ".TGA";
}
