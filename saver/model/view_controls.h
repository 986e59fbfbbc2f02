// The control half of a View load: the control window shows the live View.
#pragma once

// Status text, check boxes, radio buttons and sliders from the live values. Does nothing
// without a control window.
void show_view_in_controls();
// Every slider from its live value; the thrust slider goes to `thrust_position`.
void set_sliders_from_live_values(int thrust_position);
