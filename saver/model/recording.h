// Flight recording and playback, advanced one sample per frame.
#pragma once

#include <cstdint>

// Advances the recording state machine by one sample. May request a View load, raise the
// playback-start flag or reset the display star table.
void recording_step();

// Plays the recording from its first sample; that sample reloads View 8 and the stars.
void start_playback();
// Records from the first sample on; the stars as they are now become the module's stars.
void start_recording();

// One frame of a recording: what the mouse steered and which View was shown.
struct RecordingSample {
    float fsxx;     // yaw rate target, a whole number
    float fsyy;     // pitch target, a whole number
    int view_index; // 0..7
    int follow;     // the travel direction follows the view direction
    int loop;       // playback restarts after this sample
    int end;        // playback stops after this sample
};

// Packs a sample into its two words. Targets beyond what a word holds are saturated, and
// fractions of a target are dropped so that they never leak into the flag and index bits.
void encode_sample(const RecordingSample& sample, int16_t words[2]);
// Unpacks two words. The targets come back divided with truncation toward zero, so a negative
// target whose low bits are set returns one unit closer to zero.
RecordingSample decode_sample(const int16_t words[2]);
