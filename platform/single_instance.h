// One running copy per user. The first copy holds a lock and listens on a socket in
// $XDG_RUNTIME_DIR; a later copy asks it to restore and raise its window of the class.
#pragma once

// True when this process is the first; false when another copy runs (it has been asked to
// come to the front).
bool single_instance_acquire(const char* class_name);
// Serves pending requests of later copies: restores and raises the first window of the class.
void single_instance_serve();
