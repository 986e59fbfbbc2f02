// Several copies of the program run at once (one per monitor under a host, beside the
// editor). Each holds this lock while it reads, changes and writes the settings in the
// Windows directory, so that no copy's change is lost to another's write.
#pragma once

// Holds an exclusive lock on the Windows directory for its lifetime (an flock on the
// directory itself: the settings file is replaced by renames, and a lock file would keep the
// directory from being removed). Nests within a process; without the directory it holds
// nothing and the caller goes on unlocked.
class SettingsLock {
  public:
    SettingsLock();
    ~SettingsLock();
    SettingsLock(const SettingsLock&) = delete;
    SettingsLock& operator=(const SettingsLock&) = delete;
};
