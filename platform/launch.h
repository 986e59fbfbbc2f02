// Handing a file to the desktop's own program for it.
#pragma once

// Opens the file with the desktop's program for its type and returns at once, whatever that
// program does. False when the file is missing or no program could take it.
bool open_document(const char* path);
