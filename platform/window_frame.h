#pragma once

namespace tessaro {

struct WindowRect {
    int left = 0, top = 0, right = 0, bottom = 0;
};

// The main window as the window manager sees it, and the screen's view of the
// controls.
class WindowFrame {
  public:
    virtual ~WindowFrame() = default;
    // The normal-position rectangle of the window's placement.
    virtual WindowRect NormalRect() = 0;
    virtual void SetBounds(int width, int height, int left, int top) = 0;
    // Mirrors the controls to the screen and paints them at once.
    virtual void Repaint() = 0;
    virtual void SetBusyCursor(bool busy) = 0;
};

}  // namespace tessaro
