// Dialogs without a display: the model is the dialog, and tests play the user.
#include "platform/dialog.h"
#include "platform/common/control_model.h"
#include "platform/common/dialog_input.h"
#include "platform/headless.h"
#include "platform/headless/dialog_reset.h"
#include "platform/message_box.h"
#include "platform/screen.h"

#include <ctime>

namespace {

std::function<void(Hwnd)> modal_driver;
std::vector<std::string> modal_names;

void send(Hwnd dialog, unsigned message, Wparam wparam, Lparam lparam) {
    send_message(dialog, message, wparam, lparam);
}

// Shown from the start: the procedure may hide it in WM_INITDIALOG.
Window* add_dialog(const DialogTemplate& dialog, Hwnd owner, DlgProc proc) {
    const Window* owner_window = window_table_find(owner);
    const Rect screen = primary_screen();
    const Rect centre_on = owner_window && owner_window->visible ? owner_window->rect : screen;
    Window* window = dialog_window_add(dialog, owner, proc, centre_on, screen);
    if (window) window->visible = true;
    return window;
}

void sleep_ns(int64_t nanoseconds) {
    timespec wait{static_cast<time_t>(nanoseconds / 1000000000),
                  static_cast<long>(nanoseconds % 1000000000)};
    nanosleep(&wait, nullptr);
}

void press_key(Hwnd dialog, unsigned key) {
    if (dialog_model(dialog)) is_dialog_message(dialog, {dialog, WM_KEYDOWN, key, 0});
}

} // namespace

Hwnd create_dialog(const DialogTemplate& dialog, Hwnd owner, DlgProc proc) {
    Window* window = add_dialog(dialog, owner, proc);
    return window && dialog_send_init(window) ? window : nullptr;
}

int dialog_box(const DialogTemplate& dialog, Hwnd owner, DlgProc proc) {
    modal_names.push_back(dialog.name ? dialog.name : "");
    ModalRun run{nullptr, false, 0};
    modal_run_begin(&run);
    // The run is known before WM_INITDIALOG, which may already end it.
    Window* window = add_dialog(dialog, owner, proc);
    if (!window) {
        modal_run_finish(&run);
        return -1;
    }
    run.dialog = window;
    if (dialog_send_init(window) && !run.ended && run.dialog && modal_driver) modal_driver(window);
    // Only posted messages and timers run meanwhile; frames wait for the dialog to end.
    while (!run.ended && run.dialog) {
        Msg msg;
        if (!peek_message(&msg)) {
            const int64_t due_in = timers_next_due_in();
            if (due_in < 0) {
                // Nothing can arrive any more, so nobody can answer: the dialog is cancelled.
                run.ended = true;
                run.result = IDCANCEL;
                break;
            }
            sleep_ns(due_in);
            continue;
        }
        if (msg.message == WM_QUIT) {
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
        window->visible = false;
    else
        destroy_window(window);
}

Rect map_dialog_rect(Hwnd, const Rect& units) {
    return {dialog_units_to_x(units.left), dialog_units_to_y(units.top),
            dialog_units_to_x(units.right), dialog_units_to_y(units.bottom)};
}

// A fixed cell per character, so that tests can count the lines a text needs.
TextExtent measure_text(const char* text) {
    return {static_cast<int>(std::string(text ? text : "").size()) * HEADLESS_CHAR_WIDTH,
            HEADLESS_CHAR_HEIGHT};
}

bool headless_click(Hwnd dialog, int id) {
    return user_click(window_table_find(dialog), id, send);
}

bool headless_set_trackbar(Hwnd dialog, int id, int position) {
    return user_move_trackbar(window_table_find(dialog), id, position, send);
}

bool headless_spin(Hwnd dialog, int id, int position) {
    return user_spin(window_table_find(dialog), id, position, send);
}

bool headless_select(Hwnd dialog, int id, int index) {
    return user_select(window_table_find(dialog), id, index, send);
}

bool headless_type(Hwnd dialog, int id, const char* text) {
    return user_type(window_table_find(dialog), id, text, send);
}

bool headless_right_click(Hwnd dialog, int id) {
    return user_right_click(window_table_find(dialog), id, send);
}

void headless_press_enter(Hwnd dialog) {
    press_key(dialog, 0x0D);
}

void headless_press_escape(Hwnd dialog) {
    press_key(dialog, VK_ESCAPE);
}

const Control* headless_control(Hwnd dialog, int id) {
    return dialog_control(dialog, id);
}

int headless_focused_control(Hwnd dialog) {
    const DialogModel* model = dialog_model(dialog);
    if (!model || model->focus < 0) return -1;
    return model->controls[model->focus].id;
}

void headless_set_modal_driver(std::function<void(Hwnd dialog)> driver) {
    modal_driver = std::move(driver);
}

const std::vector<std::string>& headless_modal_dialogs() {
    return modal_names;
}

void headless_dialogs_reset() {
    modal_driver = nullptr;
    modal_names.clear();
}
