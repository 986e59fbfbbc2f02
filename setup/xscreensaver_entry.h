// Registration with XScreenSaver: one line in the `programs` list of the user's
// ~/.xscreensaver, in the host's own syntax (visual prefix, the name shown in its list in
// double quotes, the command), every other byte of the file kept. Without that file nothing
// is written: a new file would hide the host's own list of savers.
#pragma once

#include <string>

// The list line for this program: `  GL: "Solvantrix" PROGRAM --root  \n\` and a line end.
std::string xscreensaver_entry_line(const std::string& program);

// Adds the line at the end of the `programs` list, before its closing line. False, with the
// text unchanged, when there is no multi-line `programs` list or it names Solvantrix already.
bool add_xscreensaver_entry(std::string* text, const std::string& program);
// Takes out the line add_xscreensaver_entry put in; false when there is none.
bool remove_xscreensaver_entry(std::string* text, const std::string& program);

// The same on ~/.xscreensaver (following a symbolic link to the real file), replaced
// atomically with its permissions kept. True when the file was changed.
bool register_with_xscreensaver(const std::string& program);
bool unregister_from_xscreensaver(const std::string& program);
