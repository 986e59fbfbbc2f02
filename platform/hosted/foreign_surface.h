// GLX on a window of another client. Kept apart from the window table because the X11
// headers name a type Window.
#pragma once

#include <string>

struct ForeignSurface;

struct SurfaceNews {
    bool resized = false;
    bool destroyed = false;
    bool viewable = true; // mapped and not fully covered
    int width = 0, height = 0;
};

// HOST_ROOT_WINDOW (0) opens the root window of the default screen.
ForeignSurface* foreign_surface_open(unsigned long window_id, std::string* error);
void foreign_surface_size(const ForeignSurface* surface, int* width, int* height);
// Takes every X event that has arrived, without waiting.
SurfaceNews foreign_surface_poll(ForeignSurface* surface);
// Waits up to `milliseconds` for an X event (or a signal).
void foreign_surface_wait(ForeignSurface* surface, int milliseconds);
void foreign_surface_swap(ForeignSurface* surface);
// GLX_EXT_swap_control or GLX_MESA_swap_control: how many vertical blanks a swap waits for.
bool foreign_surface_has_swap_control(const ForeignSurface* surface);
void foreign_surface_set_swap_interval(ForeignSurface* surface, int interval);
// The refresh rate in Hz of the monitor showing the window (XRandR); 0 when unknown.
double foreign_surface_refresh_rate(ForeignSurface* surface);
void foreign_surface_close(ForeignSurface* surface);
