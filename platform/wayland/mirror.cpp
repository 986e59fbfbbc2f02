// Every output shows the engine's one scene: the engine draws it at the lead output's size, its
// back buffer is copied into a texture shared with a second context, and that context draws
// the texture over each other output, scaled to cover it and centred. The engine's GL state is
// never touched but for one texture binding, which is put back.
#include "platform/wayland/wayland_state.h"

#include <GL/gl.h>

namespace {

GLuint texture;
int texture_width, texture_height;

} // namespace

void mirror_capture(int width, int height) {
    if (width <= 0 || height <= 0) return;
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    if (!texture) glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    if (width != texture_width || height != texture_height) {
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, width, height, 0, GL_RGB, GL_UNSIGNED_BYTE, nullptr);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
        texture_width = width;
        texture_height = height;
    }
    glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, 0, 0, width, height);
    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(bound));
    // The other context reads the texture next; the copy must have reached it.
    glFlush();
}

void mirror_present(WaylandOutput* output, bool black) {
    if (output->egl_surface == EGL_NO_SURFACE) return;
    if (!eglMakeCurrent(wayland.egl_display, output->egl_surface, output->egl_surface,
                        wayland.mirror_context))
        return;
    const int width = output->size.pixel_width(), height = output->size.pixel_height();
    glViewport(0, 0, width, height);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    if (!black && texture) {
        const CoverRegion region = cover_region(texture_width, texture_height, width, height);
        glEnable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, texture);
        glColor3f(1.0f, 1.0f, 1.0f);
        glBegin(GL_QUADS);
        glTexCoord2f(region.left, region.bottom);
        glVertex2f(-1.0f, -1.0f);
        glTexCoord2f(region.right, region.bottom);
        glVertex2f(1.0f, -1.0f);
        glTexCoord2f(region.right, region.top);
        glVertex2f(1.0f, 1.0f);
        glTexCoord2f(region.left, region.top);
        glVertex2f(-1.0f, 1.0f);
        glEnd();
    }
    eglSwapBuffers(wayland.egl_display, output->egl_surface);
    output->shown = true;
}

void mirror_release() {
    if (texture && wayland.engine_context != EGL_NO_CONTEXT) {
        eglMakeCurrent(wayland.egl_display, EGL_NO_SURFACE, EGL_NO_SURFACE, wayland.engine_context);
        glDeleteTextures(1, &texture);
    }
    texture = 0;
    texture_width = texture_height = 0;
}
