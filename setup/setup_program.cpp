#include "setup/setup_program.h"

#include "platform/dialog.h"
#include "platform/picture.h"
#include "platform/screen.h"
#include "platform/window.h"
#include "setup/package_lists.h"
#include "setup/resources/banner.h"
#include "setup/resources/setup_ids.h"
#include "setup/resources/setup_templates.h"
#include "setup/setup_dialog.h"
#include "setup/setup_state.h"

namespace {

Lresult setup_window_proc(Hwnd hwnd, unsigned message, Wparam, Lparam) {
    if (message == WM_CREATE) {
        setup_window = hwnd;
        progress_step = PROGRESS_RANGE / (count_list(PACKAGE_LIST) + 16);
        const Rect banner =
            map_dialog_rect(nullptr, {0, 0, BANNER_WIDTH_UNITS, BANNER_HEIGHT_UNITS});
        register_picture(BANNER_BITMAP, paint_banner(rect_width(banner), rect_height(banner)));
        create_dialog(setup_template_for_dpi(screen_dpi()), hwnd, setup_dialog_proc);
    }
    return 0;
}

} // namespace

bool setup_start() {
    reset_setup_state();
    register_class(SETUP_WINDOW_CLASS, setup_window_proc);
    // The owner stays hidden: on a desktop with a window manager an empty borderless box
    // beside the dialog would only be in the way; the dialog centres on the screen instead.
    const Rect screen = primary_screen();
    const int width = rect_width(screen), height = rect_height(screen);
    create_window(SETUP_WINDOW_CLASS, "Solvantrix Setup", WS_POPUP, width / 3, height / 3,
                  width / 8, height / 8, nullptr);
    return setup_dialog != nullptr;
}

int setup_run() {
    Msg msg;
    while (get_message(&msg)) {
        if (!setup_dialog || !is_dialog_message(setup_dialog, msg)) dispatch_message(msg);
    }
    if (setup_window) destroy_window(setup_window);
    setup_window = nullptr;
    return static_cast<int>(msg.wparam);
}

int setup_entry() {
    setup_start();
    return setup_run();
}
