#include "app/cli/console_dialogs.h"

#include <string>

namespace tessaro {
namespace {

std::string ReadLine(std::FILE* in) {
    std::string line;
    for (int c = std::fgetc(in); c != EOF && c != '\n'; c = std::fgetc(in))
        if (c != '\r')
            line += static_cast<char>(c);
    return line;
}

}  // namespace

TaskDialogAnswer ConsoleDialogs::ShowTaskDialog(const TaskDialogSpec& dialog) {
    std::fprintf(out_, "[%s] %s\n", dialog.title.c_str(), dialog.instruction.c_str());
    if (!dialog.content.empty())
        std::fprintf(out_, "  %s\n", dialog.content.c_str());

    int fallback = dialog.defaultButton;
    if (fallback == 0)
        fallback = dialog.customButtons.empty() ? kDialogOk : dialog.customButtons[0].id;
    for (const DialogButton& b : dialog.customButtons)
        std::fprintf(out_, "  %d: %s%s\n", b.id, b.caption.c_str(),
                     b.id == fallback ? " (default)" : "");
    if (!dialog.verificationText.empty())
        std::fprintf(out_, "  [%c] %s\n", dialog.verificationChecked ? 'x' : ' ',
                     dialog.verificationText.c_str());

    TaskDialogAnswer answer;
    answer.verificationChecked = dialog.verificationChecked;
    answer.button = dialog.customButtons.empty() ? kDialogOk : AskButton(dialog, fallback);
    if (dialog.customButtons.empty() && interactive_) {
        std::fprintf(out_, "Press Enter to continue. ");
        std::fflush(out_);
        ReadLine(in_);
    }
    std::fflush(out_);
    return answer;
}

int ConsoleDialogs::AskButton(const TaskDialogSpec& dialog, int fallback) {
    if (!interactive_) {
        std::fprintf(out_, "  -> %d\n", fallback);
        return fallback;
    }
    for (;;) {
        std::fprintf(out_, "Answer [%d]: ", fallback);
        std::fflush(out_);
        if (std::feof(in_))
            return fallback;
        std::string line = ReadLine(in_);
        if (line.empty())
            return fallback;
        for (const DialogButton& b : dialog.customButtons)
            if (line == std::to_string(b.id))
                return b.id;
        std::fprintf(out_, "Please answer with one of the numbers above.\n");
    }
}

void ConsoleDialogs::ShowMessage(const std::string& text) {
    std::fprintf(out_, "%s\n", text.c_str());
    std::fflush(out_);
}

}  // namespace tessaro
