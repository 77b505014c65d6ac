#pragma once

#include <cstdio>

#include "platform/dialogs.h"

namespace tessaro {

// Dialogs on the console: title, instruction and content are printed; with a person
// at the terminal the answer is asked for, otherwise the default button is taken.
class ConsoleDialogs : public Dialogs {
  public:
    ConsoleDialogs(std::FILE* out, std::FILE* in, bool interactive)
        : out_(out), in_(in), interactive_(interactive) {}

    TaskDialogAnswer ShowTaskDialog(const TaskDialogSpec& dialog) override;
    void ShowMessage(const std::string& text) override;

  private:
    int AskButton(const TaskDialogSpec& dialog, int fallback);

    std::FILE* out_;
    std::FILE* in_;
    bool interactive_;
};

}  // namespace tessaro
