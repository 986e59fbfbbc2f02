// Where module work files live. The one editor (the copy that holds the single-instance lock)
// keeps them in a per-user place; every other copy (one per monitor under a host) plays from
// a private directory of its own, so it never rewrites a file the editor or another copy
// uses, and never needs to write into the product tree.
#pragma once

#include <string>

enum class WorkCopies {
    PRIVATE,  // a directory of this process, removed when it ends
    PER_USER, // $XDG_STATE_HOME/solvantrix/work/
};

// Chosen by the run mode before the first module load; a copy that never chooses is private.
void use_work_copies(WorkCopies kind);

// The directory the next module load puts its work file in, with a final "/", created on
// demand; empty when none can be made. A private one is removed at exit; one that a killed
// copy left behind is removed when the next private one is made.
std::string work_directory();

// Removes this process's private directory now (the exit would otherwise).
void end_work_copies();
