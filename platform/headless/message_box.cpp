#include "platform/message_box.h"
#include "platform/headless.h"

namespace {
int answer = IDOK;
std::vector<ShownMessageBox> shown;
} // namespace

int message_box(Hwnd owner, const char* text, const char* caption, unsigned type) {
    shown.push_back({owner, text ? text : "", caption ? caption : "", type});
    return answer;
}

void headless_set_message_box_answer(int new_answer) {
    answer = new_answer;
}

const std::vector<ShownMessageBox>& headless_message_boxes() {
    return shown;
}

void headless_clear_message_boxes() {
    shown.clear();
}
