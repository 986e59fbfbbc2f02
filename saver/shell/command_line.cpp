#include "saver/shell/command_line.h"

#include "saver/shell/shell_state.h"

int run_mode_from_command_line(const char* command_line) {
    if (command_line[0] == '\0') return RUN_INTERACTIVE;
    switch (command_line[1]) {
    case 's':
    case 'S':
        return RUN_SCREEN_SAVER;
    case 'c':
    case 'C':
        return RUN_INTERACTIVE;
    case 'a':
    case 'A':
        return RUN_PASSWORD;
    default:
        return RUN_REFUSED;
    }
}
