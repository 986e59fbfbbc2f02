// The flight model: speed, steering, heading, motion functions, velocity and camera.
#pragma once

// First half of every render: updates the flight state and multiplies the model-view matrix.
void flight_update_and_camera();
// After the stars are drawn: glides rotation rates and positions, accumulates the spins.
void rotation_update();
