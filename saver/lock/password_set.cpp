// PASSWORDSET: the new password, typed twice.
#include "saver/lock/lock.h"

#include "platform/dialog.h"
#include "platform/message_box.h"
#include "platform/paths.h"
#include "saver/lock/password_text.h"
#include "saver/model/settings.h"
#include "saver/resources/control_ids.h"
#include "saver/resources/password_templates.h"

namespace {

void store_typed(Hwnd dialog) {
    const std::string upper = get_dlg_item_text(dialog, ID_SET_UPPER);
    const std::string lower = get_dlg_item_text(dialog, ID_SET_LOWER);
    if (const char* fault = new_password_fault(upper, lower)) {
        message_box(dialog, fault, "Password Error", MB_OK | MB_ICONWARNING);
        return;
    }
    if (!write_stored_password(lower)) {
        const std::string text =
            "Your password could not be stored: " + resolve_profile_path(SETTINGS_FILE) +
            " cannot be written. ";
        message_box(dialog, text.c_str(), "Password Error", MB_OK | MB_ICONERROR);
        return;
    }
    end_dialog(dialog, 1);
}

Lresult set_dialog_proc(Hwnd dialog, unsigned message, Wparam wparam, Lparam) {
    if (message == WM_INITDIALOG) return 1;
    // The edits share their ids with the keyboard's OK and Cancel; only a click counts.
    if (message != WM_COMMAND || hiword(wparam) != BN_CLICKED) return 0;
    switch (loword(wparam)) {
    case ID_SET_OK:
        store_typed(dialog);
        return 1;
    case ID_SET_CANCEL:
    case IDCANCEL: // Esc and the close box
        end_dialog(dialog, 0);
        return 1;
    default:
        return 0;
    }
}

} // namespace

void run_password_set() {
    dialog_box(PASSWORDSET_TEMPLATE, nullptr, set_dialog_proc);
}

void ask_password_option() {
    const int answer = message_box(nullptr,
                                   "Ask for this password whenever the screen saver ends?\n\n"
                                   "With No, the password stays stored, but any key or mouse "
                                   "move ends the screen saver.",
                                   "Solvantrix Screen Saver", MB_YESNO | MB_ICONQUESTION);
    if (answer != IDYES && answer != IDNO) return;
    if (!write_password_option(answer == IDYES))
        message_box(nullptr, "The lock could not be switched: the registry file cannot be written.",
                    "Password Error", MB_OK | MB_ICONERROR);
}
