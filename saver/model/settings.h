// Global settings read from "Solvantrix!.ini" at start and changed by the global settings
// dialog.
#pragma once

constexpr const char* SETTINGS_FILE = "Solvantrix!.ini";

extern char stored_password[15];  // [Items] sword
extern int globaldelay;           // frames per second; 0 = unpaced
extern int auxresolution;         // largest backdrop shape resolution
extern int backresolution;        // 0 normal backdrop, 1 reduced
extern int backresolution2;       // backdrop brightness in percent
extern float backdrop_brightness; // backresolution2 / 100
extern int backresolution2x;      // smallest pixel size for LCD displays
extern int multienable;           // 1 = the saver covers every monitor
extern int soundenable;           // non-zero = play `sound` at start
extern char sound[500];           // looping start-up sound

// Reads every setting above from the settings file, with its default.
void read_global_settings();
