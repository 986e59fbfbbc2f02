#include "saver/ui/help_popup.h"

#include "platform/clock.h"
#include "platform/dialog.h"
#include "platform/message_box.h"
#include "platform/screen.h"
#include "platform/window.h"
#include "saver/model/model_state.h"
#include "saver/model/settings.h"
#include "saver/resources/control_ids.h"
#include "saver/resources/help_texts.h"
#include "saver/resources/helptext_template.h"
#include "saver/ui/ui_state.h"

#include <string>

namespace {

constexpr int EDGE_MARGIN = 16;
constexpr int BELOW_TOP = 16; // the note starts this far below the control's top edge
constexpr unsigned REPLACE_PAUSE_MS = 200;

void close_popup() {
    if (!help_popup) return;
    const Hwnd popup = help_popup;
    help_popup = nullptr;
    destroy_window(popup);
}

// As wide as the template; tall enough for the text measured as one line and cut into
// lines of that width, with room to spare.
void place(Hwnd popup, int control_id, const std::string& text) {
    const Rect control = get_dlg_item_rect(control_window, control_id);
    const int width = rect_width(get_window_rect(popup));
    const TextExtent extent = measure_text(text.c_str());
    const int lines = extent.cx / width + 1;
    const int height = (extent.cy + 5) * lines + 32;
    const Rect screen = multienable == 1 ? virtual_screen() : primary_screen();
    int x = control.left;
    int y = control.top;
    if (x + width > screen.right) x = screen.right - width - EDGE_MARGIN;
    if (y + height + EDGE_MARGIN > screen.bottom) y = screen.bottom - height - EDGE_MARGIN;
    if (x < screen.left + 1) x = screen.left + 2;
    set_window_pos(popup, HWND_TOP, x, y + BELOW_TOP, width, height, SWP_NOZORDER | SWP_SHOWWINDOW);
}

} // namespace

void show_control_help(int control_id) {
    if (!control_window) return;
    const std::string text = control_help_text(control_id);
    if (text.size() < 2) return;
    if (help_popup) {
        close_popup();
        // The old note visibly goes before the new one comes.
        sleep_ms(REPLACE_PAUSE_MS);
    }
    const Hwnd popup = create_dialog(HELPTEXT_TEMPLATE, control_window_owner, help_popup_proc);
    if (!popup) return;
    help_popup = popup;
    place(popup, control_id, text);
    set_foreground_window(popup);
    set_dlg_item_text(popup, ID_HELP_POPUP_TEXT, text.c_str());
}

Lresult help_popup_proc(Hwnd dialog, unsigned message, Wparam wparam, Lparam) {
    switch (message) {
    case WM_INITDIALOG:
        return 1;
    case WM_COMMAND:
        if (loword(wparam) != IDOK && loword(wparam) != IDCANCEL) return 0;
        destroy_window(dialog);
        return 1;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDOWN_CONTROL:
        destroy_window(dialog);
        return 1;
    case WM_DESTROY:
        if (help_popup == dialog) help_popup = nullptr;
        return 1;
    default:
        return 0;
    }
}
