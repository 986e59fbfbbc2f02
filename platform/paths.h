// Where the program keeps its files on this platform.
#pragma once

#include <string>

// $XDG_CONFIG_HOME/solvantrix (default ~/.config/solvantrix), created on demand, no final "/".
std::string windows_directory();
// $HOME (else the user's entry in the password database), no final "/".
std::string home_directory();
// $XDG_DATA_HOME (default ~/.local/share), no final "/".
std::string program_files_dir();
// $XDG_STATE_HOME (default ~/.local/state), no final "/".
std::string state_home();
// The directory of the running program, no final "/"; empty when it cannot be found.
std::string program_directory();
// The file a bare profile name stands for: the Windows directory + "/" + name.
std::string resolve_profile_path(const std::string& name);
// Creates a directory and its parents; true when it exists afterwards.
bool make_directories(const std::string& path);
