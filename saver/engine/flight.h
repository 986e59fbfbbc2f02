// The flight model: speed, steering, heading, motion functions, velocity and camera.
#pragma once

// First half of every render: updates the flight state and multiplies the model-view matrix.
void flight_update_and_camera();
// After the stars are drawn: glides rotation rates and positions, accumulates the spins.
void rotation_update();

// The two halves of flight_update_and_camera(): the flight state alone (no GL) ...
void flight_update();
// ... and the camera, which also sets the backdrop spin angle.
void apply_camera();

// Once per frame, before the render: the glide steps that follow from `track20f` and
// `track20f1` (rotation, linear and log position glide, tail glide).
void derive_glide_rates();
