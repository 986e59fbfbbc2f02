#include "saver/engine/flight.h"

#include "saver/engine/engine_state.h"
#include "saver/model/view.h"

#include <GL/gl.h>
#include <GL/glu.h>

void apply_camera() {
    glScalef(0.0001f, 0.0001f, 0.0001f);
    glRotatef(spin + position_angle[2], 1.0f, 0.0f, 0.0f);
    // The Y position slider at its right end hands the turn about Y to the backdrop alone.
    if (track2 == 360.0f) {
        backdrop_spin_angle = spin1 + position_angle[1];
    } else {
        glRotatef(spin1 + position_angle[1], 0.0f, 1.0f, 0.0f);
        backdrop_spin_angle = 0.0f;
    }
    glRotatef(spin2 + position_angle[0], 0.0f, 0.0f, 1.0f);
    // Drawing x is the star Z axis and drawing z the star X axis.
    gluLookAt(0.0, 0.0, 0.0, fsvx, fsvz, fsvy, 0.0, 1.0, 0.0);
}
