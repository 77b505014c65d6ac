#pragma once

#include <string>
#include <vector>

namespace tessaro {

enum class DialogIcon { None, Warning, Information, Error };

struct DialogButton {
    int id = 0;
    std::string caption;
};

// One use of the task dialog; every use starts from a cleared one.
struct TaskDialogSpec {
    std::string title;
    DialogIcon icon = DialogIcon::None;
    std::string instruction;
    std::string content;
    std::vector<DialogButton> customButtons;  // numbered from 100 in list order
    bool commandLinks = false;                // custom buttons shown as command links
    bool okButton = false;                    // the common OK button
    int defaultButton = 0;
    std::string verificationText;  // a check box under the content, when not empty
    bool verificationChecked = false;
};

struct TaskDialogAnswer {
    int button = 0;  // kDialogOk, a custom button's id, or kDialogClosed
    bool verificationChecked = false;
};

inline constexpr int kDialogOk = 1;
inline constexpr int kDialogClosed = 2;

class Dialogs {
  public:
    virtual ~Dialogs() = default;
    // Modal; returns the pressed button.
    virtual TaskDialogAnswer ShowTaskDialog(const TaskDialogSpec& dialog) = 0;
    // A plain message box with an OK button.
    virtual void ShowMessage(const std::string& text) = 0;
};

}  // namespace tessaro
