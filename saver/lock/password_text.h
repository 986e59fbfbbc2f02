// The stored form of the screen-saver password and the rules a new one must meet.
#pragma once

#include <string>

// A character of the 64-letter alphabet becomes its partner in a fixed permutation; any
// other character stays as it is. This only hides the password from a casual reader.
std::string scramble_password(const std::string& plain);
std::string unscramble_password(const std::string& scrambled);

// The message that refuses a new password typed as `upper` and `lower`, or null when it
// is acceptable (2 to 15 characters, both the same, and stored as typed: the settings file
// drops blanks at either end of a value).
const char* new_password_fault(const std::string& upper, const std::string& lower);

// Characters the dialogs read of the stored password.
constexpr unsigned STORED_PASSWORD_READ = 31;
// The stored password in plain text; empty when none is stored.
std::string read_stored_password();
// Scrambles and stores a new password in a settings file only its owner can read. False when
// it could not be written; the stored password may then be the old one or none.
bool write_stored_password(const std::string& plain);

// The desktop's "ScreenSaveUsePassword" as our registry store keeps it, as text: a whole
// number turns the lock on when it is not zero, and so do "on", "yes" and "true" in any
// case; anything else, an empty value included, leaves it off.
int password_option_from_text(const std::string& text);
// The desktop's option itself: read from the registry store (off when absent), and written
// as "1" or "0". The write is false when the store could not be written.
int read_password_option();
bool write_password_option(bool on);
