// The screen-saver run on a Wayland compositor: --wayland for an idle daemon (above
// everything, ended by the user's input), --wayland-background for a locker that hosts us
// (under everything, no input, ended when the connection closes).
#pragma once

enum class WaylandRun { none, saver, background };

// The run the command line asks for; none when it names neither option.
WaylandRun wayland_run_requested(int argc, const char* const* argv);

// Returns the exit code: 0 when the run ends, 1 (after one line on standard error) when there
// is no Wayland display, no layer-shell or no OpenGL through EGL.
int run_wayland(WaylandRun run);
