#include "saver/lock/lock_state.h"

int password_accepted;
Hwnd unlock_dialog;
Hwnd unlock_owner;
void (*unlock_closed)();
