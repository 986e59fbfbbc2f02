// Where an install puts things on this platform, outside the install directory.
#pragma once

#include <string>

constexpr const char* SETTINGS_FILE = "Solvantrix!.ini";
constexpr const char* REMOVE_LIST_NAME = "uninstal.txt";
// The remover, in the install directory.
constexpr const char* REMOVER_NAME = "uninstall";
// The launcher's icon, in the install directory.
constexpr const char* ICON_NAME = "solvantrix.svg";
constexpr const char* INSTALL_DIR_NAME = "Solvantrix Screen Saver";

std::string installed_program_path(); // ~/.local/bin/solvantrix
std::string settings_file_path();     // the Windows directory + "/Solvantrix!.ini"
std::string launcher_directory();     // $XDG_DATA_HOME/applications
std::string launcher_path();          // that + "/solvantrix.desktop"
std::string default_install_dir();    // $XDG_DATA_HOME + "/Solvantrix Screen Saver"

// Longest install directory the settings give back whole: the removal reads `installpath`
// through a buffer of 200 characters.
constexpr std::size_t INSTALL_DIR_MAX_LENGTH = 199;
// Why an install into `dir` could never be removed (the settings would give back another
// directory), or null when it can be used.
const char* install_dir_fault(const std::string& dir);
