// What a user's hand does to a dialog, the same in both backends: the model changes first,
// then the dialog hears of it through `deliver` (the headless backend sends, the real one
// posts). Each returns false, and changes nothing, when the user could not have done it (no
// such control, hidden, disabled, or of another kind).
#pragma once

#include "platform/common/control_model.h"

using Deliver = void (*)(Hwnd dialog, unsigned message, Wparam wparam, Lparam lparam);

bool user_click(Window* dialog, int id, Deliver deliver);
bool user_move_trackbar(Window* dialog, int id, int position, Deliver deliver);
// Steps an up-down control to `position` (clamped); the edit before it follows.
bool user_spin(Window* dialog, int id, int position, Deliver deliver);
bool user_select(Window* dialog, int id, int index, Deliver deliver);
bool user_type(Window* dialog, int id, const char* text, Deliver deliver);
bool user_right_click(Window* dialog, int id, Deliver deliver);
// Enter: the command of the focused push button, else of the default button, else IDOK.
int enter_command(const DialogModel& model);
// Moves the focus to the next control a user can reach.
void focus_next(Window* dialog);
