// The glides of the frame step: the live scale toward `track7` and the live view angle
// toward `fov`, each by its glide control; the top of a control's range means "at once".
#pragma once

constexpr int GLIDE_AT_ONCE = 990;

void glide_scale();
void glide_view_angle();

// The divisor of the logarithmic view-angle glide: each frame covers 1 / divisor of the
// remaining distance.
float log_glide_divisor(int angle_glide);
