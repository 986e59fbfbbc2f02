// What headless_reset forgets besides the windows.
#pragma once

void headless_dialogs_reset();
void headless_file_dialogs_reset();
void headless_launch_reset();
