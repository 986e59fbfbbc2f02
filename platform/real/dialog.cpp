// Dialogs on screen. The frames go on while one is open: its messages and the other windows'
// paints share the one loop.
#include "platform/dialog.h"
#include "platform/common/control_model.h"
#include "platform/real/backend_window.h"
#include "platform/real/dialog_window.h"
#include "platform/real/drawn_boxes.h"
#include "platform/screen.h"

namespace {

Window* open_dialog(const DialogTemplate& dialog, Hwnd owner, DlgProc proc, bool modal) {
    const Window* owner_window = window_table_find(owner);
    const Rect screen = primary_screen();
    const Rect centre_on = owner_window && owner_window->visible ? owner_window->rect : screen;
    Window* window = dialog_window_add(dialog, owner, proc, centre_on, screen);
    if (!window) return nullptr;
    build_dialog_window(window, modal);
    window->visible = true; // the procedure may hide it in WM_INITDIALOG
    return window;
}

// Shown after WM_INITDIALOG, so that the first picture has the procedure's values and place;
// the focus it chose can only be given once the window is shown.
void show_unless_hidden(Window* window) {
    if (!window->visible || !window->backend) return;
    show_fl_window(window);
    const DialogModel& model = *window->dialog;
    if (model.focus >= 0 && dialog_display)
        dialog_display->focus_changed(window, model.controls[model.focus]);
}

} // namespace

Hwnd create_dialog(const DialogTemplate& dialog, Hwnd owner, DlgProc proc) {
    Window* window = open_dialog(dialog, owner, proc, false);
    if (!window || !dialog_send_init(window)) return nullptr;
    show_unless_hidden(window);
    return window;
}

int dialog_box(const DialogTemplate& dialog, Hwnd owner, DlgProc proc) {
    ModalRun run{nullptr, false, 0};
    modal_run_begin(&run);
    Window* window = open_dialog(dialog, owner, proc, true);
    if (!window) {
        modal_run_finish(&run);
        return -1;
    }
    run.dialog = window;
    if (dialog_send_init(window) && !run.ended && run.dialog) show_unless_hidden(window);
    while (!run.ended && run.dialog) {
        Msg msg;
        if (!get_message(&msg)) {
            post_quit_message(static_cast<int>(msg.wparam));
            break;
        }
        if (!is_dialog_message(window, msg)) dispatch_message(msg);
    }
    modal_run_finish(&run);
    if (run.dialog) destroy_window(window);
    return run.ended ? run.result : 0;
}

void end_dialog(Hwnd dialog, int result) {
    Window* window = window_table_find(dialog);
    if (!window || !window->dialog) return;
    if (modal_run_end(window, result))
        show_window(window, SW_HIDE);
    else
        destroy_window(window);
}

TextExtent measure_text(const char* text) {
    const TextSize size = dialog_text_size(text ? text : "");
    return {size.width, size.height};
}

Rect map_dialog_rect(Hwnd, const Rect& units) {
    return {dialog_units_to_x(units.left), dialog_units_to_y(units.top),
            dialog_units_to_x(units.right), dialog_units_to_y(units.bottom)};
}
