#include "app/cli/console_window.h"

namespace tessaro {

void ConsoleWindow::Repaint() {
    if (!controls_)
        return;
    const MainControls& c = *controls_;
    // The labels only mean something while the progress panel is up.
    if (!c.ProgressPanelVisible) {
        panelShown_ = false;
        return;
    }
    if (!panelShown_ || c.Label2 != shownLabel2_) {
        std::fprintf(out_, "%s\n", c.Label2.c_str());
        shownLabel2_ = c.Label2;
    }
    if (!c.RunsLabel.empty() && (!panelShown_ || c.RunsLabel != shownRunsLabel_)) {
        std::fprintf(out_, "%s\n", c.RunsLabel.c_str());
        shownRunsLabel_ = c.RunsLabel;
    }
    panelShown_ = true;
    std::fflush(out_);
}

}  // namespace tessaro
