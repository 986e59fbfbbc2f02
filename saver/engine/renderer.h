// The star renderer: one frame of stars, meteors and pixel stars, moving the display table.
#pragma once

void render_frame();
