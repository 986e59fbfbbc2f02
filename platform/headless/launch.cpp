// Nothing is started without a display; tests see what would have been opened.
#include "platform/launch.h"
#include "platform/headless.h"
#include "platform/headless/dialog_reset.h"

namespace {
bool answer = true;
std::vector<std::string> opened;
} // namespace

bool open_document(const char* path) {
    opened.push_back(path ? path : "");
    return answer;
}

void headless_set_open_document_answer(bool opens) {
    answer = opens;
}

const std::vector<std::string>& headless_opened_documents() {
    return opened;
}

void headless_launch_reset() {
    answer = true;
    opened.clear();
}
