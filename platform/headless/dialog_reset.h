// What headless_reset forgets of the dialogs besides their windows.
#pragma once

void headless_dialogs_reset();
void headless_file_dialogs_reset();
