#include "saver/model/settings.h"

#include "platform/profile.h"

char stored_password[15];
int globaldelay = 60;
int auxresolution = 120;
int backresolution;
int backresolution2 = 100;
float backdrop_brightness = 1.0f;
int backresolution2x;
int multienable;
int soundenable;
char sound[500];

void read_global_settings() {
    get_private_profile_string("Items", "sword", "", stored_password, sizeof stored_password,
                               SETTINGS_FILE);
    globaldelay = get_private_profile_int("data", "globaldelay", 60, SETTINGS_FILE);
    auxresolution = get_private_profile_int("data", "auxresolution", 120, SETTINGS_FILE);
    backresolution = get_private_profile_int("data", "backresolution", 0, SETTINGS_FILE);
    backresolution2 = get_private_profile_int("data", "backresolution2", 100, SETTINGS_FILE);
    backresolution2x = get_private_profile_int("data", "backresolution2x", 0, SETTINGS_FILE);
    backdrop_brightness = static_cast<float>(backresolution2) / 100.0f;
    multienable = get_private_profile_int("data", "multienable", 0, SETTINGS_FILE);
    soundenable = get_private_profile_int("data", "soundenable", 0, SETTINGS_FILE);
    sound[0] = '\0';
    if (soundenable != 0)
        get_private_profile_string("data", "sound", "", sound, sizeof sound, SETTINGS_FILE);
}
