#include "platform/file_dialog.h"
#include "platform/headless.h"
#include "platform/headless/dialog_reset.h"

#include <deque>
#include <optional>

namespace {

std::deque<std::optional<std::string>> answers;
std::vector<FileDialogCall> calls;

std::string text(const char* s) {
    return s ? s : "";
}

bool answer(std::string* chosen) {
    if (answers.empty()) return false;
    std::optional<std::string> next = std::move(answers.front());
    answers.pop_front();
    if (!next) return false;
    if (chosen) *chosen = *next;
    return true;
}

} // namespace

bool get_open_file_name(Hwnd owner, const char* filter_label, const char* pattern,
                        const char* initial_directory, const char* preset_file,
                        std::string* chosen) {
    calls.push_back({owner, false, text(filter_label), text(pattern), text(initial_directory),
                     text(preset_file)});
    return answer(chosen);
}

bool browse_for_folder(Hwnd owner, const char* title, std::string* chosen,
                       const char* initial_directory) {
    calls.push_back({owner, true, text(title), "", text(initial_directory), ""});
    return answer(chosen);
}

void headless_queue_file_answer(const char* path_or_null) {
    if (path_or_null)
        answers.emplace_back(std::string(path_or_null));
    else
        answers.emplace_back(std::nullopt);
}

const std::vector<FileDialogCall>& headless_file_dialog_calls() {
    return calls;
}

void headless_file_dialogs_reset() {
    answers.clear();
    calls.clear();
}
