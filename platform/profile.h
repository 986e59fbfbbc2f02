// The profile store: INI-style settings and module files, read and written by section and
// key. Section and key names match without regard to case. A file named without a directory
// is the settings file of that name in the Windows directory. Every write reaches the disk
// through a temporary file renamed into place, so a crash never leaves a half-written file.
#pragma once

// The value's leading decimal digits with an optional minus sign; the default when the
// section or key is absent.
int get_private_profile_int(const char* section, const char* key, int default_value,
                            const char* file);

// Copies the value (or the default when the key is absent), cut to size - 1 characters and
// terminated. Returns the number of characters copied.
unsigned get_private_profile_string(const char* section, const char* key, const char* default_value,
                                    char* buffer, unsigned size, const char* file);

// Replaces the value in place or appends the key at the end of its section, creating the
// section and the file. With section, key and value all null: flushes pending writes of the
// file. A null value deletes the key; a null key deletes the section. False on a disk error.
bool write_private_profile_string(const char* section, const char* key, const char* value,
                                  const char* file);

// True when a value written now reads back exactly as given: the store trims blanks (spaces
// and tabs) at both ends of a value and refuses line ends.
bool private_profile_value_kept(const char* value);
// True when a key written now is found again under its own name: not empty, no "=" or line
// end, no blank at either end, and not starting with ";" or "[" (a comment or a header).
bool private_profile_key_kept(const char* key);

// Every key=value line of the section as consecutive terminated strings followed by an
// empty string, cut to the buffer. Returns the characters copied, without the final zero.
unsigned get_private_profile_section(const char* section, char* buffer, unsigned size,
                                     const char* file);

// True when the file has a section of this name, also one without keys.
bool private_profile_section_exists(const char* section, const char* file);

// Makes the file readable and writable by its owner alone (mode 0600), creating it empty when
// it does not exist; every later write keeps that mode. False when that cannot be done.
bool restrict_private_profile(const char* file);
