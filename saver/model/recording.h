// Flight recording and playback, advanced one sample per frame.
#pragma once

// Advances the recording state machine by one sample. May request a View load, raise the
// playback-start flag or reset the display star table.
void recording_step();
