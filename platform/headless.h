// What tests see and steer of the headless backend: screens, message-box answers, the
// windows and the message queue.
#pragma once

#include "platform/win.h"

#include <string>
#include <vector>

void headless_set_screens(const Rect& primary, const Rect& virtual_screen);
int headless_cursor_count();

struct ShownMessageBox {
    Hwnd owner;
    std::string text, caption;
    unsigned type;
};
// The answer every following message box gives (IDOK unless set).
void headless_set_message_box_answer(int answer);
const std::vector<ShownMessageBox>& headless_message_boxes();
void headless_clear_message_boxes();

// Every window created so far that still exists, in creation order.
std::vector<Hwnd> headless_windows();
// The windows from the top of the z-order down, and the last one brought to the foreground.
std::vector<Hwnd> headless_z_order();
Hwnd headless_foreground_window();
// Posted messages still waiting in the queue, oldest first.
std::vector<Msg> headless_posted_messages();
// Forgets every window class, window, timer, posted message and a pending quit (between
// tests).
void headless_reset();
