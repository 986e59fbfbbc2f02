#include "platform/file_dialog.h"
#include "platform/real/frames_go_on.h"

#include <FL/Fl.H>
#include <FL/Fl_Native_File_Chooser.H>

#include <string>

namespace {

// FLTK's own chooser: the GTK one waits in GTK's loop, where no frame of the program runs, and
// no window of the program owns it.
void use_fltk_chooser() {
    Fl::option(Fl::OPTION_FNFC_USES_GTK, false);
}

bool run(Fl_Native_File_Chooser& chooser, std::string* chosen) {
    FramesGoOn frames;
    // 1 is a cancel, -1 a failure; neither chooses anything.
    if (chooser.show() != 0 || !chooser.filename() || !*chooser.filename()) return false;
    if (chosen) *chosen = chooser.filename();
    return true;
}

} // namespace

bool get_open_file_name(Hwnd, const char* filter_label, const char* pattern,
                        const char* initial_directory, const char* preset_file,
                        std::string* chosen) {
    use_fltk_chooser();
    Fl_Native_File_Chooser chooser(Fl_Native_File_Chooser::BROWSE_FILE);
    const std::string filter =
        std::string(filter_label ? filter_label : "") + "\t" + (pattern ? pattern : "*");
    chooser.filter(filter.c_str());
    if (initial_directory && *initial_directory) chooser.directory(initial_directory);
    if (preset_file && *preset_file) chooser.preset_file(preset_file);
    return run(chooser, chosen);
}

bool browse_for_folder(Hwnd, const char* title, std::string* chosen,
                       const char* initial_directory) {
    use_fltk_chooser();
    Fl_Native_File_Chooser chooser(Fl_Native_File_Chooser::BROWSE_DIRECTORY);
    chooser.title(title);
    if (initial_directory && *initial_directory) chooser.directory(initial_directory);
    return run(chooser, chosen);
}
