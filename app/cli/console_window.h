#pragma once

#include <cstdio>
#include <string>

#include "platform/window_frame.h"
#include "ui/main_controls.h"

namespace tessaro {

// The main window as the console shows it: every repaint prints the progress
// texts that changed since the last one. The rectangle is remembered, not shown.
class ConsoleWindow : public WindowFrame {
  public:
    explicit ConsoleWindow(std::FILE* out) : out_(out) {}

    void Watch(const MainControls& controls) { controls_ = &controls; }

    WindowRect NormalRect() override { return rect_; }
    void SetBounds(int width, int height, int left, int top) override {
        rect_ = {left, top, left + width, top + height};
    }
    void Repaint() override;
    void SetBusyCursor(bool) override {}

  private:
    std::FILE* out_;
    const MainControls* controls_ = nullptr;
    WindowRect rect_{0, 0, 610, 435};
    std::string shownLabel2_, shownRunsLabel_;
    bool panelShown_ = false;
};

}  // namespace tessaro
