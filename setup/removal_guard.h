// What a removal may delete: exactly the files an install writes, whatever a damaged or
// planted remove list names. Files inside the install directory are reached one directory at
// a time without following a symbolic link, so no link can lead a deletion out of the tree.
#pragma once

#include <string>
#include <vector>

enum class RecordKind {
    refused,
    installed_program, // the screen-saver program outside the install directory
    settings_file,
    in_tree, // a file an install writes below the install directory
};

struct RecordTarget {
    RecordKind kind;
    // in_tree: the directories below the install directory, then the file's name.
    std::vector<std::string> below;
    std::string module_file; // in_tree ".sv" records: the module's name, else empty
};

// install_dir without a final "/"; program and settings are the full paths this install uses.
RecordTarget classify_record(const std::string& path, const std::string& install_dir,
                             const std::string& program, const std::string& settings);

// Deletes a file below the install directory; true when it is gone (also when it was absent).
bool delete_in_tree(const std::string& install_dir, const std::vector<std::string>& below);
// Removes an empty directory below the install directory (or the install directory itself
// with an empty `below`); false when it stays.
bool remove_directory_in_tree(const std::string& install_dir,
                              const std::vector<std::string>& below);
