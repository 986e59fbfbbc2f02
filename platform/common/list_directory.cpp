// The directory listing into a list: names only, as a file dialog would show them.
#include "platform/dialog.h"

#include <dirent.h>
#include <fnmatch.h>
#include <string>
#include <sys/stat.h>

int list_add_directory(Hwnd dialog, int id, const char* directory, const char* pattern) {
    if (!directory || !pattern || !has_dlg_item(dialog, id)) return -1;
    DIR* listing = opendir(*directory ? directory : ".");
    if (!listing) return -1;
    const std::string folder = std::string(*directory ? directory : ".") + "/";
    int added = 0;
    while (const dirent* entry = readdir(listing)) {
        // Module names on disk may have been written in any case on another system.
        if (fnmatch(pattern, entry->d_name, FNM_CASEFOLD | FNM_PERIOD) != 0) continue;
        struct stat info;
        if (stat((folder + entry->d_name).c_str(), &info) != 0 || !S_ISREG(info.st_mode)) continue;
        if (list_add_string(dialog, id, entry->d_name) >= 0) ++added;
    }
    closedir(listing);
    return added;
}
