// Looping sound. Without an audio device playback is silent; that is never an error.
#pragma once

// Plays a RIFF WAVE file in a loop until stopped or the process ends. False only when the
// file cannot be read as a WAVE file.
bool play_sound_loop(const char* path);
void stop_sound();
