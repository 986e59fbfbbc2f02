// What the headless windows tell their GL surfaces.
#pragma once

struct Window;

// Gives the window's GL surface (if it has one) the new size, keeping the context.
void headless_gl_resize(Window* window, int width, int height);
// Frees the window's context and surface.
void headless_gl_release(Window* window);
