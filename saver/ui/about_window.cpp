#include "saver/ui/about_window.h"

#include "platform/dialog.h"
#include "platform/launch.h"
#include "platform/message_box.h"
#include "platform/window.h"
#include "saver/model/install_paths.h"
#include "saver/resources/about_template.h"
#include "saver/resources/control_ids.h"
#include "saver/resources/icons.h"
#include "saver/ui/ui_state.h"

#include <string>

namespace {

void read_manual(Hwnd dialog) {
    const std::string manual = install_directory() + "library/readme.txt";
    if (open_document(manual.c_str())) return;
    const std::string text = "The manual could not be opened: " + manual;
    message_box(dialog, text.c_str(), "Error", MB_OK | MB_ICONWARNING);
}

} // namespace

Lresult about_window_proc(Hwnd dialog, unsigned message, Wparam wparam, Lparam) {
    switch (message) {
    case WM_INITDIALOG:
        about_window = dialog;
        set_dlg_item_icon(dialog, ID_ABOUT_ICON, &ICON_ABOUT);
        // Enter closes, as the default button promises, rather than opening the manual.
        set_dlg_item_focus(dialog, IDOK);
        return 1;
    case WM_COMMAND:
        switch (loword(wparam)) {
        case IDOK:
        case IDCANCEL:
            destroy_window(dialog);
            return 1;
        case ID_ABOUT_READ_ME:
            read_manual(dialog);
            return 1;
        default:
            return 0;
        }
    case WM_DESTROY:
        if (about_window == dialog) about_window = nullptr;
        return 1;
    default:
        return 0;
    }
}

void open_about_window(Hwnd starfield) {
    if (about_window) return;
    create_dialog(ABOUT_TEMPLATE, starfield, about_window_proc);
}
