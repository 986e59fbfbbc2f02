#include "saver/ui/backdrop_selector.h"

#include "platform/dialog.h"
#include "platform/file_dialog.h"
#include "platform/message_box.h"
#include "platform/paths.h"
#include "platform/profile.h"
#include "platform/screen.h"
#include "platform/window.h"
#include "saver/engine/backdrop.h"
#include "saver/engine/engine_state.h"
#include "saver/model/install_paths.h"
#include "saver/model/model_state.h"
#include "saver/model/view.h"
#include "saver/resources/control_ids.h"
#include "saver/resources/source_template.h"
#include "saver/ui/ui_state.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int MAX_RESHAPE = 120;
constexpr size_t MAX_SHOWN_NAME = 254;
constexpr size_t MAX_IMAGE_NAME = 250;

// The part after the last separator; null when the path has none.
const char* file_name_part(const char* path) {
    const char* name = nullptr;
    for (const char* p = path; *p; ++p)
        if (*p == '\\' || *p == '/') name = p + 1;
    return name;
}

bool has_targa_extension(const std::string& path) {
    std::string upper = path;
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper.find(".TGA") != std::string::npos;
}

void write_item(const char* key, const char* value) {
    write_private_profile_string("Items", key, value, module_work_file);
}

void centre_on_cursor(Hwnd dialog) {
    int x = 0, y = 0;
    get_cursor_pos(&x, &y);
    const Rect r = get_window_rect(dialog);
    const Rect screen = screen_of({x, y, x + 1, y + 1});
    const int left = std::clamp(x - rect_width(r) / 2, screen.left,
                                std::max(screen.left, screen.right - rect_width(r)));
    const int top = std::clamp(y - rect_height(r) / 2, screen.top,
                               std::max(screen.top, screen.bottom - rect_height(r)));
    set_window_pos(dialog, HWND_TOP, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

void fill(Hwnd dialog) {
    get_private_profile_string("Items", "shell0", "", backdrop_path, sizeof backdrop_path,
                               module_work_file);
    const char* name = file_name_part(backdrop_path);
    set_dlg_item_text(dialog, ID_SOURCE_FILE_NAME,
                      name ? std::string(name).substr(0, MAX_SHOWN_NAME).c_str() : "");
    for (int i = 0; i < SOURCE_MODE_GROUP.count; ++i)
        if (SOURCE_MODE_GROUP.buttons[i].value == balls1)
            check_dlg_button(dialog, SOURCE_MODE_GROUP.buttons[i].id, 1);
    pending_image_mode = balls1;
    updown_set_range(dialog, ID_SOURCE_RESHAPE, 0, MAX_RESHAPE);
    updown_set_pos(dialog, ID_SOURCE_RESHAPE, backdrop_resolution);
    centre_on_cursor(dialog);
}

void close(Hwnd dialog) {
    browsing = 0;
    backdrop_selector = nullptr;
    destroy_window(dialog);
}

// Whatever directory the image was picked in, the one loaded is the user's or the install's
// copy of that name.
void load_chosen_image() {
    if (std::strlen(backdrop_path) <= 2) return;
    const char* name = file_name_part(backdrop_path + 1);
    if (!name || std::strlen(name) > MAX_IMAGE_NAME) return;
    if (install_directory().size() < 3) return;
    show_wait_cursor(true);
    load_backdrop_image(backdrop_path);
    show_wait_cursor(false);
    backdrop_hold = 0;
}

void show_image_mode_in_control_window() {
    if (!control_window) return;
    for (int i = 0; i < BALLS1_GROUP.count; ++i)
        check_dlg_button(control_window, BALLS1_GROUP.buttons[i].id,
                         BALLS1_GROUP.buttons[i].value == balls1 ? 1 : 0);
}

void apply(Hwnd dialog) {
    backdrop_resolution = updown_get_pos(dialog, ID_SOURCE_RESHAPE);
    write_item("reshape", std::to_string(backdrop_resolution).c_str());
    balls1 = pending_image_mode;
    write_item("balls1", std::to_string(balls1).c_str());
    load_chosen_image();
    show_image_mode_in_control_window();
    close(dialog);
}

bool is_targa_file(const std::string& directory, const std::string& name) {
    struct stat info {};
    return has_targa_extension(name) && stat((directory + name).c_str(), &info) == 0 &&
           S_ISREG(info.st_mode);
}

// One directory in which the file dialog shows the shipped images and the user's own side
// by side: links to both, the user's winning a name they share (as the image loaded for a
// name is the user's). Made anew at each browse, so that it follows both directories. With a
// `path` install the user's images are the install's, and the dialog goes there directly.
std::string image_choice_directory() {
    const std::string shipped = install_directory() + "images/";
    const std::string users = user_image_directory();
    if (users == shipped) return install_directory() + "images";
    const std::string view = state_home() + "/solvantrix/backdrops";
    if (DIR* old = opendir(view.c_str())) {
        while (dirent* entry = readdir(old))
            if (entry->d_name[0] != '.') unlink((view + "/" + entry->d_name).c_str());
        closedir(old);
    }
    if (!make_directories(view)) return install_directory() + "images";
    for (const std::string& directory : {users, shipped}) {
        DIR* listing = opendir(directory.c_str());
        if (!listing) continue;
        while (dirent* entry = readdir(listing)) {
            const std::string name = entry->d_name;
            if (is_targa_file(directory, name))
                symlink((directory + name).c_str(), (view + "/" + name).c_str());
        }
        closedir(listing);
    }
    return view;
}

void browse(Hwnd dialog) {
    browsing = 1;
    const std::string images = image_choice_directory();
    std::string chosen;
    const bool picked = get_open_file_name(
        control_window_owner, "ONLY Targa files in the Solvantrix IMAGES directory {*.tga}",
        "*.tga", images.c_str(), nullptr, &chosen);
    // The selector may have gone with its owner while the file dialog ran.
    if (!is_window(dialog)) return;
    if (!picked || !has_targa_extension(chosen)) {
        browsing = 0;
        return;
    }
    std::snprintf(backdrop_path, sizeof backdrop_path, "%s", chosen.c_str());
    write_item("shell0", backdrop_path);
    apply(dialog);
}

bool image_mode_button(int id) {
    for (int i = 0; i < SOURCE_MODE_GROUP.count; ++i)
        if (SOURCE_MODE_GROUP.buttons[i].id == id) {
            pending_image_mode = SOURCE_MODE_GROUP.buttons[i].value;
            return true;
        }
    return false;
}

void command(Hwnd dialog, int id) {
    if (image_mode_button(id) || browsing) return;
    switch (id) {
    case ID_SOURCE_BROWSE:
        browse(dialog);
        break;
    case IDOK:
        write_item("shell0", backdrop_path);
        apply(dialog);
        break;
    case IDCANCEL:
        close(dialog);
        break;
    default:
        break;
    }
}

} // namespace

Lresult backdrop_selector_proc(Hwnd dialog, unsigned message, Wparam wparam, Lparam) {
    switch (message) {
    case WM_INITDIALOG:
        backdrop_selector = dialog;
        fill(dialog);
        return 1;
    case WM_COMMAND:
        command(dialog, static_cast<int>(loword(wparam)));
        return 1;
    case WM_DESTROY:
        if (backdrop_selector == dialog) backdrop_selector = nullptr;
        browsing = 0;
        return 1;
    default:
        return 0;
    }
}

void open_backdrop_selector(Hwnd starfield) {
    if (backdrop_selector) return;
    create_dialog(SOURCE_TEMPLATE, starfield, backdrop_selector_proc);
}
