#include "saver/shell/startup.h"

#include "platform/clock.h"
#include "platform/dialog.h"
#include "platform/files.h"
#include "platform/screen.h"
#include "platform/single_instance.h"
#include "platform/sound.h"
#include "platform/window.h"
#include "saver/engine/engine_state.h"
#include "saver/engine/frame_pacing.h"
#include "saver/engine/gl_state.h"
#include "saver/engine/random.h"
#include "saver/engine/tables.h"
#include "saver/lock/lock.h"
#include "saver/model/model_state.h"
#include "saver/model/settings.h"
#include "saver/model/work_copies.h"
#include "saver/shell/command_line.h"
#include "saver/shell/placement.h"
#include "saver/shell/shell_state.h"
#include "saver/shell/starfield_window.h"

#include <string>

namespace {

Hwnd create_run_mode_window() {
    if (run_mode == RUN_INTERACTIVE)
        return create_window(WINDOW_CLASS, WINDOW_CLASS,
                             WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN |
                                 WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX |
                                 WS_MAXIMIZEBOX,
                             0, 0, 222, 22, nullptr);
    if (run_mode == RUN_SCREEN_SAVER) {
        const Rect screen = covered_screen();
        const Hwnd saver =
            create_window(WINDOW_CLASS, "", WS_POPUP | WS_VISIBLE, screen.left, screen.top,
                          rect_width(screen), rect_height(screen), nullptr);
        // A window manager would otherwise tile it, or leave its bar and other windows above.
        if (saver) set_window_states(saver, {true, true});
        return saver;
    }
    return create_window(WINDOW_CLASS, WINDOW_CLASS,
                         WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_OVERLAPPEDWINDOW, 0, 0, 222, 22,
                         nullptr);
}

} // namespace

void prepare_clock_and_tables() {
    seed_random(static_cast<uint32_t>(system_time_as_file_time()));
    counter_frequency = query_performance_frequency();
    if (counter_frequency == 0) counter_frequency = NO_COUNTER_FREQUENCY;
    frame_period = frame_period_for(counter_frequency, globaldelay);
    build_sine_table();
    build_offset_tables();
}

bool start_up(int show_command) {
    read_global_settings();
    if (soundenable != 0) play_sound_loop(find_path_any_case(sound).c_str());
    prepare_clock_and_tables();

    starfield_window = create_run_mode_window();
    // The password dialogs of this mode need no message loop; the program ends after them.
    if (run_mode == RUN_PASSWORD) {
        run_password_change();
        return false;
    }
    if (!starfield_window) return false;

    init_gl_state(starfield_window);
    send_message(starfield_window, WM_USER, 0, 0);
    show_window(starfield_window, show_command);
    update_window(starfield_window);
    set_window_pos(starfield_window, HWND_TOP, 0, 0, 0, 0,
                   SWP_NOSIZE | SWP_NOMOVE | SWP_SHOWWINDOW);
    if (run_mode == RUN_SCREEN_SAVER) set_screen_saver_window(starfield_window);
    return true;
}

int message_loop() {
    Msg msg{};
    while (get_message(&msg))
        if (!control_window || !is_dialog_message(control_window, msg)) dispatch_message(msg);
    return static_cast<int>(msg.wparam);
}

int run_program(const char* command_line, int show_command) {
    load_module_from_settings = 1;
    run_mode = run_mode_from_command_line(command_line);
    if (run_mode == RUN_REFUSED) return 0;
    if (!single_instance_acquire(WINDOW_CLASS)) return 0;
    // The one copy that holds the lock keeps the editor's work files where they outlive it.
    use_work_copies(WorkCopies::PER_USER);
    if (!register_class(WINDOW_CLASS, starfield_window_proc)) return 0;
    if (!start_up(show_command)) return 0;
    return message_loop();
}

int program_entry(int argc, char** argv) {
    std::string command_line;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) command_line += ' ';
        command_line += argv[i];
    }
    return run_program(command_line.c_str(), SW_SHOWNORMAL);
}
