// A small key store standing in for the system registry. Key paths name sections of
// "registry.ini" in the Windows directory; names match without regard to case.
#pragma once

#include <string>

constexpr const char* HKEY_CURRENT_USER = "HKEY_CURRENT_USER";
constexpr const char* HKEY_LOCAL_MACHINE = "HKEY_LOCAL_MACHINE";

// root + "\" + subkey names one key. False when the key or the value is absent.
bool reg_query_value(const char* root, const char* subkey, const char* name, std::string* value);
bool reg_key_exists(const char* root, const char* subkey);
bool reg_set_value(const char* root, const char* subkey, const char* name, const char* value);
bool reg_delete_value(const char* root, const char* subkey, const char* name);
bool reg_delete_key(const char* root, const char* subkey);
