#include "platform/hosted/foreign_surface.h"

#include <GL/glx.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xrandr.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <poll.h>

enum class SwapControl { none, ext, mesa };

struct ForeignSurface {
    Display* display;
    ::Window window;
    GLXContext context;
    bool double_buffered;
    int width, height;
    bool mapped, obscured;
    SwapControl swap_control;
};

namespace {

// The host may destroy its window at any moment; the requests still under way then fail.
// Xlib's own handler would end the program with a non-zero code, so errors are only noted.
XID failed_resource;
bool failed;

int note_x_error(Display*, XErrorEvent* event) {
    failed = true;
    failed_resource = event->resourceid;
    return 0;
}

std::string window_name(unsigned long id) {
    char text[32];
    std::snprintf(text, sizeof text, "0x%lx", id);
    return text;
}

bool has_extension(const char* extensions, const char* name) {
    const size_t length = std::strlen(name);
    for (const char* at = extensions; at && (at = std::strstr(at, name)); at += length)
        if ((at == extensions || at[-1] == ' ') && (at[length] == ' ' || at[length] == '\0'))
            return true;
    return false;
}

SwapControl swap_control_of(Display* display, int screen) {
    const char* extensions = glXQueryExtensionsString(display, screen);
    if (has_extension(extensions, "GLX_EXT_swap_control")) return SwapControl::ext;
    if (has_extension(extensions, "GLX_MESA_swap_control")) return SwapControl::mesa;
    return SwapControl::none;
}

double mode_refresh(const XRRScreenResources* resources, RRMode id) {
    for (int i = 0; i < resources->nmode; ++i) {
        const XRRModeInfo& mode = resources->modes[i];
        if (mode.id != id || mode.hTotal == 0 || mode.vTotal == 0) continue;
        double lines = mode.vTotal;
        if (mode.modeFlags & RR_DoubleScan) lines *= 2;
        if (mode.modeFlags & RR_Interlace) lines /= 2;
        return static_cast<double>(mode.dotClock) / (mode.hTotal * lines);
    }
    return 0.0;
}

bool fail(std::string* error, const std::string& text) {
    *error = text;
    return false;
}

// The host chose the window's visual; a context for any other visual could not draw into it.
bool make_context(ForeignSurface* surface, const XWindowAttributes& attributes,
                  std::string* error) {
    Display* display = surface->display;
    int error_base = 0, event_base = 0;
    if (!glXQueryExtension(display, &error_base, &event_base))
        return fail(error, "the X display offers no OpenGL (GLX)");
    XVisualInfo wanted{};
    wanted.visualid = XVisualIDFromVisual(attributes.visual);
    wanted.screen = XScreenNumberOfScreen(attributes.screen);
    int count = 0;
    XVisualInfo* visual = XGetVisualInfo(display, VisualIDMask | VisualScreenMask, &wanted, &count);
    if (!visual) return fail(error, "the window's visual is unknown to the X display");
    int use_gl = 0, rgba = 0, double_buffered = 0;
    glXGetConfig(display, visual, GLX_USE_GL, &use_gl);
    glXGetConfig(display, visual, GLX_RGBA, &rgba);
    glXGetConfig(display, visual, GLX_DOUBLEBUFFER, &double_buffered);
    if (use_gl && rgba) {
        surface->context = glXCreateContext(display, visual, nullptr, True);
        if (!surface->context) surface->context = glXCreateContext(display, visual, nullptr, False);
    }
    XFree(visual);
    char visual_id[32];
    std::snprintf(visual_id, sizeof visual_id, "0x%lx", wanted.visualid);
    if (!use_gl || !rgba)
        return fail(error, std::string("the window's visual ") + visual_id +
                               " cannot draw OpenGL in RGB colour");
    if (!surface->context)
        return fail(error, std::string("no OpenGL context for the window's visual ") + visual_id);
    surface->double_buffered = double_buffered != 0;
    return true;
}

} // namespace

ForeignSurface* foreign_surface_open(unsigned long window_id, std::string* error) {
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        const char* name = std::getenv("DISPLAY");
        *error = std::string("cannot open the X display \"") + (name ? name : "") + "\"";
        return nullptr;
    }
    XSetErrorHandler(note_x_error);
    auto* surface =
        new ForeignSurface{display, 0, nullptr, false, 0, 0, true, false, SwapControl::none};
    surface->window = window_id == 0 ? DefaultRootWindow(display) : window_id;

    XWindowAttributes attributes{};
    failed = false;
    bool ok = XGetWindowAttributes(display, surface->window, &attributes) != 0 && !failed;
    if (!ok) *error = "no window " + window_name(surface->window) + " on the X display";
    ok = ok && make_context(surface, attributes, error);
    if (ok) {
        // Size changes, mapping, covering and the window's end; the host keeps the input.
        XSelectInput(display, surface->window, StructureNotifyMask | VisibilityChangeMask);
        surface->mapped = attributes.map_state != IsUnmapped;
        surface->swap_control = swap_control_of(display, XScreenNumberOfScreen(attributes.screen));
        ok = glXMakeCurrent(display, surface->window, surface->context);
        XSync(display, False);
        if (!ok || failed) {
            ok = false;
            *error = "cannot draw OpenGL into window " + window_name(surface->window);
        }
    }
    if (!ok) {
        foreign_surface_close(surface);
        return nullptr;
    }
    surface->width = attributes.width;
    surface->height = attributes.height;
    return surface;
}

void foreign_surface_size(const ForeignSurface* surface, int* width, int* height) {
    *width = surface->width;
    *height = surface->height;
}

SurfaceNews foreign_surface_poll(ForeignSurface* surface) {
    SurfaceNews news;
    while (XPending(surface->display) > 0) {
        XEvent event;
        XNextEvent(surface->display, &event);
        if (event.type == DestroyNotify && event.xdestroywindow.window == surface->window)
            news.destroyed = true;
        if (event.type == MapNotify && event.xmap.window == surface->window) surface->mapped = true;
        if (event.type == UnmapNotify && event.xunmap.window == surface->window)
            surface->mapped = false;
        if (event.type == VisibilityNotify && event.xvisibility.window == surface->window)
            surface->obscured = event.xvisibility.state == VisibilityFullyObscured;
        if (event.type == ConfigureNotify && event.xconfigure.window == surface->window &&
            (event.xconfigure.width != surface->width ||
             event.xconfigure.height != surface->height)) {
            surface->width = event.xconfigure.width;
            surface->height = event.xconfigure.height;
            news.resized = true;
        }
    }
    // A request on a window that is gone fails before, or instead of, the destroy notice; an
    // error naming the window while it still exists (a passing failure of a drawing request)
    // must not end the run.
    if (failed && failed_resource == surface->window) {
        XWindowAttributes attributes{};
        failed = false;
        if (!XGetWindowAttributes(surface->display, surface->window, &attributes) || failed)
            news.destroyed = true;
        failed = false;
    }
    news.width = surface->width;
    news.height = surface->height;
    news.viewable = surface->mapped && !surface->obscured;
    return news;
}

void foreign_surface_wait(ForeignSurface* surface, int milliseconds) {
    if (XPending(surface->display) > 0) return;
    pollfd watched{ConnectionNumber(surface->display), POLLIN, 0};
    poll(&watched, 1, milliseconds); // a signal ends the wait early, as it should
}

bool foreign_surface_has_swap_control(const ForeignSurface* surface) {
    return surface->swap_control != SwapControl::none;
}

void foreign_surface_set_swap_interval(ForeignSurface* surface, int interval) {
    if (surface->swap_control == SwapControl::ext) {
        using SwapIntervalExt = void (*)(Display*, GLXDrawable, int);
        const auto set = reinterpret_cast<SwapIntervalExt>(
            glXGetProcAddressARB(reinterpret_cast<const GLubyte*>("glXSwapIntervalEXT")));
        if (set) set(surface->display, surface->window, interval);
    } else if (surface->swap_control == SwapControl::mesa) {
        using SwapIntervalMesa = int (*)(unsigned);
        const auto set = reinterpret_cast<SwapIntervalMesa>(
            glXGetProcAddressARB(reinterpret_cast<const GLubyte*>("glXSwapIntervalMESA")));
        if (set) set(static_cast<unsigned>(interval));
    }
    XSync(surface->display, False);
}

double foreign_surface_refresh_rate(ForeignSurface* surface) {
    Display* display = surface->display;
    int event_base = 0, error_base = 0;
    if (!XRRQueryExtension(display, &event_base, &error_base)) return 0.0;
    const ::Window root = DefaultRootWindow(display);
    // The monitor under the window's centre; the first lit one when none is.
    int x = 0, y = 0;
    ::Window child = 0;
    XTranslateCoordinates(display, surface->window, root, surface->width / 2, surface->height / 2,
                          &x, &y, &child);
    XRRScreenResources* resources = XRRGetScreenResourcesCurrent(display, root);
    if (!resources) return 0.0;
    double refresh = 0.0, first = 0.0;
    for (int i = 0; i < resources->ncrtc && refresh == 0.0; ++i) {
        XRRCrtcInfo* crtc = XRRGetCrtcInfo(display, resources, resources->crtcs[i]);
        if (!crtc) continue;
        if (crtc->mode != None) {
            const double rate = mode_refresh(resources, crtc->mode);
            if (first == 0.0) first = rate;
            if (x >= crtc->x && y >= crtc->y && x < crtc->x + static_cast<int>(crtc->width) &&
                y < crtc->y + static_cast<int>(crtc->height))
                refresh = rate;
        }
        XRRFreeCrtcInfo(crtc);
    }
    XRRFreeScreenResources(resources);
    return refresh != 0.0 ? refresh : first;
}

void foreign_surface_swap(ForeignSurface* surface) {
    if (surface->double_buffered)
        glXSwapBuffers(surface->display, surface->window);
    else
        glFlush();
}

void foreign_surface_close(ForeignSurface* surface) {
    if (!surface) return;
    if (surface->context) {
        glXMakeCurrent(surface->display, None, nullptr);
        glXDestroyContext(surface->display, surface->context);
    }
    XCloseDisplay(surface->display);
    delete surface;
}
