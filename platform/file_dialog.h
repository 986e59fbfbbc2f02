// The open-file dialog and the folder browser.
#pragma once

#include "platform/win.h"

#include <string>

// Lets the user pick an existing file: files matching `pattern` ("*.sv") are offered under
// `filter_label`, the dialog starts in `initial_directory` with `preset_file` (a name or
// path; may be null) preselected. False, with *chosen untouched, when the user cancels.
bool get_open_file_name(Hwnd owner, const char* filter_label, const char* pattern,
                        const char* initial_directory, const char* preset_file,
                        std::string* chosen);
// Lets the user pick a directory, starting in `initial_directory` when it is given. False,
// with *chosen untouched, when the user cancels.
bool browse_for_folder(Hwnd owner, const char* title, std::string* chosen,
                       const char* initial_directory = nullptr);
