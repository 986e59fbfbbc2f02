#include "saver/shell/window_handlers.h"

#include "platform/window.h"
#include "saver/engine/commands.h"
#include "saver/engine/engine_state.h"
#include "saver/model/model_state.h"
#include "saver/model/recording.h"
#include "saver/model/view.h"
#include "saver/model/view_io.h"
#include "saver/shell/shell_state.h"

#include <cstring>

namespace {

constexpr float DIGIT_THRUST[10] = {0, 1, 3, 5, 10, 20, 30, 80, 190, 498};

void stop_playback() {
    if (recording_state == RECORDING_PLAYBACK) recording_state = RECORDING_IDLE;
}

void start_recording_from_view8(const char* status) {
    std::strcpy(selected_section, "2007");
    std::strcpy(status_text, status);
    current_view_index = 7;
    start_recording();
}

int half(int size) {
    return size / 2;
}

} // namespace

void on_key(Hwnd hwnd, unsigned key) {
    if (key == VK_ESCAPE) {
        if (full_screen == 0) return;
        if (control_window)
            set_window_pos(control_window, HWND_TOP, 0, 0, 0, 0,
                           SWP_NOSIZE | SWP_NOMOVE | SWP_SHOWWINDOW);
        post_message(hwnd, WM_COMMAND, CMD_TOGGLE_FULLSCREEN, 0);
    } else if (key >= VK_F1 && key <= VK_F7) {
        view_key_flag = 1;
        post_message(hwnd, WM_COMMAND, view_command(static_cast<int>(key - VK_F1) + 1), 0);
        stop_playback();
    } else if (key >= '0' && key <= '9') {
        thrust_target = DIGIT_THRUST[key - '0'];
    } else if (key == VK_UP) {
        thrust_target += 1.0f;
    } else if (key == VK_DOWN) {
        thrust_target -= 1.0f;
    } else {
        switch (key) {
        case 'R':
            save_view("2007");
            start_recording_from_view8("8 RECORD");
            break;
        case 'D':
            save_view("2007");
            start_recording_from_view8("8-7 ");
            deferred_view7 = 10;
            break;
        case 'E':
            recording_end = 1;
            break;
        case 'L':
            recording_loop = 1;
            break;
        case 'K':
            recording_loop = 1;
            recording_end = 1;
            break;
        case 'I':
            insert_request = INSERT_RECORDING;
            break;
        case 'O':
            insert_request = INSERT_END;
            break;
        case 'U':
            insert_request = INSERT_LOOP;
            break;
        case 'P':
            start_playback();
            break;
        case 'S':
            recording_state = RECORDING_IDLE;
            break;
        default:
            break;
        }
    }
}

void on_mouse(unsigned message, Lparam lparam) {
    const int x = static_cast<int>(loword(static_cast<uintptr_t>(lparam)));
    const int y = static_cast<int>(hiword(static_cast<uintptr_t>(lparam)));
    switch (message) {
    case WM_MOUSEMOVE:
        if (mouse_control_off) return;
        mouse_x = x;
        mouse_y = y;
        fsxx = static_cast<float>(x - half(client_width));
        fsyy = static_cast<float>((y - half(client_height)) / 2);
        break;
    case WM_LBUTTONDOWN:
        stop_playback();
        follow_direction = 1;
        mouse_x = x;
        mouse_y = y;
        fsxx = static_cast<float>((x - half(client_width)) * 3);
        fsyy = static_cast<float>((y - half(client_height)) / 2);
        break;
    case WM_LBUTTONUP:
        if (mouse_control_off) return;
        mouse_x = x;
        mouse_y = y;
        follow_direction = 0;
        break;
    case WM_RBUTTONDOWN:
        mouse_control_off = !mouse_control_off;
        stop_playback();
        break;
    default:
        break;
    }
}
