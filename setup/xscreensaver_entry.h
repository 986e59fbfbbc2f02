// Registration with XScreenSaver: one entry in the `programs` list of the user's
// ~/.xscreensaver, every other byte of the file kept. The entry is laid out as the host's own
// settings program writes it, and found again in every form that program leaves it in (the
// name dropped when the host derives the same one, long lines wrapped with "\" continuations,
// "-root" for "--root"). Without that file nothing is written: a new file would hide the
// host's own list of savers.
#pragma once

#include <string>

// The command the entry runs: the program with --root, with no blank inside a word, because
// the host wraps long lines at any blank. A program under a home path with blanks is named
// through the shell's "~".
std::string xscreensaver_command(const std::string& program);

// The entry's lines as the host's settings program writes them: `  GL: ` and the command from
// column 32 (with "Solvantrix" in double quotes when the host would not derive that name),
// wrapped at blanks past column 75, and the " \n\" that joins the next entry.
std::string xscreensaver_entry_lines(const std::string& program);

// Adds the entry as the last of the `programs` list and moves `selected:` along, so that the
// host keeps showing the saver it showed. False, with the text unchanged, when there is no
// multi-line `programs` list, the file was cut off, or the list holds the entry already.
bool add_xscreensaver_entry(std::string* text, const std::string& program);
// Takes out every entry of ours, whole, whatever the layout it is in now; `selected:` keeps
// naming the same saver (-1 when it named ours). False when there is none.
bool remove_xscreensaver_entry(std::string* text, const std::string& program);

// The same on ~/.xscreensaver (following a symbolic link to the real file), replaced
// atomically with its permissions kept. True when the file was changed.
bool register_with_xscreensaver(const std::string& program);
bool unregister_from_xscreensaver(const std::string& program);
