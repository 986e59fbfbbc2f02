/* Plays a screen-saver host's part: makes a plain X window that outlives this client, resizes
   it, destroys it.
   host_window create X Y WIDTH HEIGHT   prints the new window's id
   host_window resize ID WIDTH HEIGHT
   host_window destroy ID
   host_window unmap ID | map ID */
#include <X11/Xlib.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static int usage(const char* program) {
    fprintf(stderr, "usage: %s create X Y W H | resize ID W H | destroy ID | unmap ID | map ID\n",
            program);
    return 2;
}

int main(int argc, char** argv) {
    if (argc < 3) return usage(argv[0]);
    Display* display = XOpenDisplay(NULL);
    if (!display) return 1;
    if (strcmp(argv[1], "create") == 0 && argc == 6) {
        Window window =
            XCreateSimpleWindow(display, DefaultRootWindow(display), atoi(argv[2]), atoi(argv[3]),
                                (unsigned)atoi(argv[4]), (unsigned)atoi(argv[5]), 0, 0, 0);
        XMapWindow(display, window);
        /* The window stays when this client leaves, as a host's window stays for its saver. */
        XSetCloseDownMode(display, RetainPermanent);
        printf("0x%lx\n", (unsigned long)window);
    } else if (strcmp(argv[1], "resize") == 0 && argc == 5) {
        XResizeWindow(display, (Window)strtoul(argv[2], NULL, 0), (unsigned)atoi(argv[3]),
                      (unsigned)atoi(argv[4]));
    } else if (strcmp(argv[1], "unmap") == 0 && argc == 3) {
        XUnmapWindow(display, (Window)strtoul(argv[2], NULL, 0));
    } else if (strcmp(argv[1], "map") == 0 && argc == 3) {
        XMapWindow(display, (Window)strtoul(argv[2], NULL, 0));
    } else if (strcmp(argv[1], "destroy") == 0 && argc == 3) {
        XDestroyWindow(display, (Window)strtoul(argv[2], NULL, 0));
    } else {
        XCloseDisplay(display);
        return usage(argv[0]);
    }
    XSync(display, False);
    XCloseDisplay(display);
    return 0;
}
