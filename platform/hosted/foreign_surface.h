// GLX on a window of another client. Kept apart from the window table because the X11
// headers name a type Window.
#pragma once

#include <string>

struct ForeignSurface;

struct SurfaceNews {
    bool resized = false;
    bool destroyed = false;
    int width = 0, height = 0;
};

// HOST_ROOT_WINDOW (0) opens the root window of the default screen.
ForeignSurface* foreign_surface_open(unsigned long window_id, std::string* error);
void foreign_surface_size(const ForeignSurface* surface, int* width, int* height);
// Takes every X event that has arrived, without waiting.
SurfaceNews foreign_surface_poll(ForeignSurface* surface);
void foreign_surface_swap(ForeignSurface* surface);
void foreign_surface_close(ForeignSurface* surface);
