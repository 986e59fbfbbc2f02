// PASSWORDCHECK: the current password must be given before a new one may be set.
#include "saver/lock/lock.h"

#include "platform/dialog.h"
#include "platform/message_box.h"
#include "saver/lock/lock_state.h"
#include "saver/lock/password_text.h"
#include "saver/resources/control_ids.h"
#include "saver/resources/password_templates.h"

namespace {

void check_typed(Hwnd dialog) {
    const std::string typed = get_dlg_item_text(dialog, ID_CHECK_PASSWORD);
    if (typed != read_stored_password()) {
        message_box(nullptr, "BAD PASSWORD !!!", "ERROR", MB_OK | MB_ICONERROR);
        end_dialog(dialog, 0);
        return;
    }
    password_accepted = 1;
    end_dialog(dialog, 1);
}

Lresult check_dialog_proc(Hwnd dialog, unsigned message, Wparam wparam, Lparam) {
    if (message == WM_INITDIALOG) {
        password_accepted = 0;
        if (read_stored_password().empty()) {
            password_accepted = 1;
            end_dialog(dialog, 1);
        }
        return 1;
    }
    if (message != WM_COMMAND || hiword(wparam) != BN_CLICKED) return 0;
    switch (loword(wparam)) {
    case ID_CHECK_OK:
        check_typed(dialog);
        return 1;
    case ID_CHECK_CANCEL:
        end_dialog(dialog, 0);
        return 1;
    default:
        return 0;
    }
}

} // namespace

int run_password_check() {
    password_accepted = 0;
    dialog_box(PASSWORDCHECK_TEMPLATE, nullptr, check_dialog_proc);
    return password_accepted;
}

void run_password_change() {
    if (run_password_check() != 1) return;
    run_password_set();
    if (!read_stored_password().empty()) ask_password_option();
}
