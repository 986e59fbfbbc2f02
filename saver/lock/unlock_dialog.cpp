// PASSWORD: the bar a locked screen saver shows before it may end.
#include "saver/lock/lock.h"

#include "platform/clock.h"
#include "platform/dialog.h"
#include "platform/message_box.h"
#include "platform/screen.h"
#include "platform/window.h"
#include "saver/engine/commands.h"
#include "saver/lock/lock_state.h"
#include "saver/lock/password_text.h"
#include "saver/resources/control_ids.h"
#include "saver/resources/password_templates.h"

#include <algorithm>

namespace {

void centre_on_cursor(Hwnd dialog) {
    int x = 0, y = 0;
    get_cursor_pos(&x, &y);
    const Rect r = get_window_rect(dialog);
    const Rect screen = virtual_screen();
    const int width = rect_width(r), height = rect_height(r);
    // Wholly on the screen, wherever the cursor stands.
    const int left = std::max(screen.left, std::min(x - width / 2, screen.right - width));
    const int top = std::max(screen.top, std::min(y - height / 2, screen.bottom - height));
    set_window_pos(dialog, HWND_TOP, left, top, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
}

void enter(Hwnd dialog) {
    const std::string typed = get_dlg_item_text(dialog, ID_UNLOCK_PASSWORD);
    kill_timer(dialog, UNLOCK_TIMER_ID);
    if (typed == read_stored_password()) post_message(unlock_owner, WM_COMMAND, CMD_EXIT, 0);
    sleep_ms(100);
    unlock_dialog = nullptr;
    destroy_window(dialog);
    // The saver goes on (or is about to end): the cursor hides again as it was.
    show_cursor(false);
    if (unlock_closed) unlock_closed();
}

Lresult unlock_dialog_proc(Hwnd dialog, unsigned message, Wparam wparam, Lparam) {
    switch (message) {
    case WM_INITDIALOG:
        show_cursor(true);
        centre_on_cursor(dialog);
        set_timer(dialog, UNLOCK_TIMER_ID, UNLOCK_TIMER_MS);
        return 1;
    case WM_TIMER:
        if (wparam != UNLOCK_TIMER_ID) return 0;
        kill_timer(dialog, UNLOCK_TIMER_ID);
        set_foreground_window(dialog);
        set_timer(dialog, UNLOCK_TIMER_ID, UNLOCK_TIMER_MS);
        return 1;
    case WM_COMMAND:
        // Enter in the edit submits as the button does; Esc and the close box land on the
        // button's id.
        if (hiword(wparam) != BN_CLICKED) return 0;
        if (loword(wparam) != ID_UNLOCK_ENTER && loword(wparam) != IDOK) return 0;
        enter(dialog);
        return 1;
    default:
        return 0;
    }
}

} // namespace

void open_unlock_dialog(Hwnd starfield, void (*closed)()) {
    if (unlock_dialog) return;
    unlock_owner = starfield;
    unlock_closed = closed;
    unlock_dialog = create_dialog(PASSWORD_TEMPLATE, starfield, unlock_dialog_proc);
    if (unlock_dialog)
        set_foreground_window(unlock_dialog);
    else if (closed)
        closed(); // no bar to ask with: the saver goes on, locked
}
