#include "saver/engine/renderer.h"

#include "saver/engine/backdrop.h"
#include "saver/engine/flight.h"
#include "saver/engine/star_frame.h"

void render_frame() {
    flight_update_and_camera();
    const FrameColours colours = setup_colours();
    draw_backdrop();
    const StarSetup setup = setup_stars();
    run_star_pass(setup, colours);
    draw_pixel_stars();
    rotation_update();
}
