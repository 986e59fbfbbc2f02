#include "setup/setup_dialog.h"

#include "platform/dialog.h"
#include "platform/file_dialog.h"
#include "platform/message_box.h"
#include "platform/paths.h"
#include "platform/profile.h"
#include "setup/install_places.h"
#include "setup/package_lists.h"
#include "setup/product_files.h"
#include "setup/removal.h"
#include "setup/resources/setup_ids.h"
#include "setup/setup_state.h"
#include "setup/unpack.h"

#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr const char* TITLE = "Setup for Solvantrix Screen Saver 9.1";
constexpr const char* REMOVER_TITLE = "Uninstalling Solvantrix Screensaver...";

bool is_remover() {
    return product_files_begin() == product_files_end();
}

void say(const char* message, const char* prompt) {
    set_dlg_item_text(setup_dialog, ID_MESSAGE, message);
    if (prompt) set_dlg_item_text(setup_dialog, ID_PROMPT, prompt);
}

void show(int id, bool shown) {
    show_dlg_item(setup_dialog, id, shown);
}

void set_progress(int position) {
    progress_position = position;
    progress_set_pos(setup_dialog, ID_PROGRESS, position * 100 / PROGRESS_RANGE);
}

// Shows the message for a while, then the setup ends.
void fail_after(const char* message, const char* prompt, unsigned milliseconds) {
    setup_exit_code = 1;
    say(message, prompt);
    set_timer(setup_dialog, TIMER_END, milliseconds);
}

void fail_directory() {
    setup_exit_code = 1;
    message_box(setup_dialog, "Setup has FAILED ... A directory could not be created.", "ERROR",
                MB_OK | MB_ICONERROR);
    end_setup();
}

void show_done() {
    set_dlg_item_text(setup_dialog, ID_CONTINUE, "OK");
    show(ID_CONTINUE, true);
    for (int id : {ID_DIRECTORY, ID_BROWSE, ID_CANCEL, ID_TITLE}) show(id, false);
    set_dlg_item_focus(setup_dialog, ID_CONTINUE); // hidden while busy, it lost the focus
    setup_step = STEP_DONE;
}

bool is_directory(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// ---- Opening ---------------------------------------------------------------------------

bool open_dialog() {
    char installed[200];
    get_private_profile_string("Items", "installpath", "0", installed, sizeof installed,
                               SETTINGS_FILE);
    if (std::strlen(installed) > 2) {
        setup_mode = MODE_REMOVE;
        install_dir = installed;
        while (install_dir.size() > 1 && install_dir.back() == '/') install_dir.pop_back();
        say("A version of this program is ALREADY INSTALLED.\n\nYou must remove it before "
            "installing this version.\nAfter it has been removed, run this setup program "
            "again.\nNOTE: Factory modules will be deleted during removal.\n",
            "To REMOVE this program, select Continue.");
    } else if (is_remover()) {
        message_box(setup_dialog, "Solvantrix Screen Saver is not installed.", "Setup",
                    MB_OK | MB_ICONINFORMATION);
        return false;
    } else {
        setup_mode = MODE_INSTALL;
        install_dir = default_install_dir();
        if (!is_directory(install_dir)) {
            if (!make_directories(install_dir)) {
                setup_exit_code = 1;
                message_box(setup_dialog,
                            "The chosen directory does not exist and could not be created.",
                            "ERROR", MB_OK | MB_ICONERROR);
                return false;
            }
            created_install_dir = 1;
        }
        say("This program installs the Solvantrix Screen Saver: the 3-D starfield screen saver "
            "with its editor, 50 modules, backdrop images and the user manual.",
            nullptr);
    }
    setup_step = STEP_WELCOME;
    set_dlg_item_text(setup_dialog, ID_TITLE, is_remover() ? REMOVER_TITLE : TITLE);
    show(ID_BROWSE, false);
    show(ID_DIRECTORY, false);
    return true;
}

// ---- Continue in state 0 ---------------------------------------------------------------

void confirm() {
    setup_step = STEP_CONFIRM;
    if (setup_mode == MODE_INSTALL) {
        say("Solvantrix will be installed in the directory shown below.\n\nTo select a "
            "different location use the Browse button.",
            "To finish installing this program, select Finish.");
        show(ID_BROWSE, true);
    } else {
        say("This program will be removed from the directory shown below.",
            "To finish removing this program, select Finish.");
    }
    set_dlg_item_text(setup_dialog, ID_CONTINUE, "Finish");
    set_dlg_item_text(setup_dialog, ID_DIRECTORY, install_dir.c_str());
    show(ID_DIRECTORY, true);
}

// An install the settings could not name again for its removal is refused with a message.
bool refused_install_dir(const std::string& dir) {
    const char* fault = install_dir_fault(dir);
    if (fault) message_box(setup_dialog, fault, "ERROR", MB_OK | MB_ICONERROR);
    return fault != nullptr;
}

void browse() {
    std::string chosen;
    // Starting in the directory shown, so that taking it as it is keeps it.
    if (!browse_for_folder(nullptr, "Select a location for the program.", &chosen,
                           install_dir.c_str()))
        return;
    while (chosen.size() > 1 && chosen.back() == '/') chosen.pop_back();
    if (refused_install_dir(chosen)) return;
    install_dir = chosen;
    set_dlg_item_text(setup_dialog, ID_DIRECTORY, install_dir.c_str());
}

// ---- Finish: install -------------------------------------------------------------------

void install_failed() {
    unpack_abandon();
    fail_after("Install has FAILED!", "Try again...", FAILURE_SHOWN_MS);
}

void install_finished() {
    set_progress(0);
    const UnpackResult result = unpack_finish();
    show(ID_CONTINUE, true);
    if (result != UnpackResult::ok || !write_first_settings()) {
        install_failed();
        return;
    }
    say("The Solvantrix Screen Saver has been installed successfully.\nA link for it has been "
        "placed in your 'Programs' menu.\n\nTIP: While running as a screen saver, you can press "
        "the ESC key to open the Solvantrix control panel.",
        "Thank you.");
    show_done();
}

// One image or package per tick, so the bar moves and the dialog stays alive meanwhile.
void unpack_next() {
    if (unpack_index >= unpack_item_count()) {
        install_finished();
        return;
    }
    const bool image = unpack_index < count_list(IMAGE_LIST);
    set_progress(progress_position + progress_step);
    const UnpackResult result = unpack_item(unpack_index++);
    if (result == UnpackResult::directory_failed) {
        unpack_abandon();
        fail_directory();
    } else if (result == UnpackResult::failed) {
        install_failed();
    } else {
        set_timer(setup_dialog, TIMER_UNPACK, image ? IMAGE_PACE_MS : PACKAGE_PACE_MS);
    }
}

void install() {
    // The default directory is checked here, before anything is written.
    if (refused_install_dir(install_dir)) {
        setup_busy = 0;
        return;
    }
    say("Please wait while Solvantrix is installed...", nullptr);
    for (int id : {ID_PROMPT, ID_BROWSE, ID_DIRECTORY}) show(id, false);
    const uint64_t required = required_free_space();
    if (free_space_of(install_dir) < required) {
        char text[100];
        std::snprintf(text, sizeof text,
                      "Not enough free disk space.  %llu Megabytes are required.",
                      static_cast<unsigned long long>((required + (1 << 20) - 1) >> 20));
        show(ID_PROMPT, true);
        fail_after(text, " ", NO_SPACE_SHOWN_MS);
        return;
    }
    show(ID_PROMPT, true);
    set_dlg_item_text(setup_dialog, ID_PROMPT, "> > > Unpacking Files < < <");
    set_dlg_item_text(setup_dialog, ID_CONTINUE, "BUSY");
    show(ID_CONTINUE, false);
    show(ID_CANCEL, false);
    set_progress(0);
    const UnpackResult result = unpack_start();
    if (result == UnpackResult::directory_failed) {
        unpack_abandon();
        fail_directory();
        return;
    }
    if (result == UnpackResult::failed) {
        show(ID_CONTINUE, true);
        install_failed();
        return;
    }
    unpack_index = 0;
    unpack_next();
}

// ---- Finish: remove --------------------------------------------------------------------

void remove() {
    say("Please wait while Solvantrix is removed...", nullptr);
    for (int id : {ID_PROMPT, ID_BROWSE, ID_DIRECTORY}) show(id, false);
    set_dlg_item_text(setup_dialog, ID_CONTINUE, "BUSY");
    if (!run_removal(install_dir)) {
        unlink(settings_file_path().c_str());
        fail_after("Remove has FAILED!", nullptr, FAILURE_SHOWN_MS);
        return;
    }
    say("The Solvantrix Screen Saver has been successfully removed.", nullptr);
    show_done();
}

void command(int id) {
    if (id == ID_CANCEL) {
        // Stopping in the middle of the unpacking would leave a part of the product without
        // a way to remove it.
        if (!setup_busy || setup_step == STEP_DONE) end_setup();
        return;
    }
    if (id == ID_BROWSE) {
        if (setup_mode == MODE_INSTALL && setup_step == STEP_CONFIRM && !setup_busy) browse();
        return;
    }
    if (id != ID_CONTINUE) return;
    if (setup_step == STEP_WELCOME) {
        confirm();
    } else if (setup_step == STEP_CONFIRM && !setup_busy) {
        setup_busy = 1;
        if (setup_mode == MODE_INSTALL)
            install();
        else
            remove();
    } else if (setup_step == STEP_DONE) {
        end_setup();
    }
}

} // namespace

void end_setup() {
    if (!setup_dialog) return;
    // A default directory made for an install that did not go there leaves again; one that
    // holds the install is not empty and stays.
    if (created_install_dir) rmdir(default_install_dir().c_str());
    created_install_dir = 0;
    const Hwnd dialog = setup_dialog;
    setup_dialog = nullptr;
    end_dialog(dialog, 0);
    post_quit_message(setup_exit_code);
}

Lresult setup_dialog_proc(Hwnd dialog, unsigned message, Wparam wparam, Lparam) {
    switch (message) {
    case WM_INITDIALOG:
        setup_dialog = dialog;
        if (!open_dialog())
            end_setup();
        else // Enter takes the default button's way, never the first button's.
            set_dlg_item_focus(dialog, ID_CONTINUE);
        return 1;
    case WM_COMMAND:
        command(static_cast<int>(loword(wparam)));
        return 1;
    case WM_TIMER:
        kill_timer(dialog, static_cast<unsigned>(wparam));
        if (wparam == TIMER_UNPACK)
            unpack_next();
        else if (wparam == TIMER_END)
            end_setup();
        return 1;
    case WM_CLOSE:
        command(ID_CANCEL);
        return 1;
    default:
        return 0;
    }
}
