/* Tries to take the keyboard the way another client (a window manager's shortcut, a second
   locker) would. Exits 0 when it got it, 1 when the server refused.
   grab_keyboard [HOLD_SECONDS]: with a time, keeps the keyboard that long before letting go. */
#include <X11/Xlib.h>
#include <stdio.h>
#include <stdlib.h>
#include <unistd.h>

int main(int argc, char** argv) {
    Display* display = XOpenDisplay(NULL);
    if (!display) return 2;
    int status = XGrabKeyboard(display, DefaultRootWindow(display), False, GrabModeAsync,
                               GrabModeAsync, CurrentTime);
    if (status != GrabSuccess) {
        printf("refused (%d)\n", status);
        return 1;
    }
    printf("grabbed\n");
    fflush(stdout);
    if (argc > 1) {
        XSync(display, False);
        sleep((unsigned)atoi(argv[1]));
    }
    XUngrabKeyboard(display, CurrentTime);
    XCloseDisplay(display);
    return 0;
}
