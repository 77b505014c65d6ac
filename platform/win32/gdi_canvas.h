#pragma once

#include <memory>

#include "platform/canvas.h"

namespace tessaro::win32 {

// Canvases on GDI: a memory DC holding a 24-bit top-down DIB section. Every GDI
// object a canvas makes is released with it, so drawing a chart per batch for
// hundreds of batches leaves the process's GDI object count where it was.
class GdiCanvasFactory : public CanvasFactory {
  public:
    // None when GDI cannot make the DC or the bitmap (out of GDI objects or memory).
    std::unique_ptr<Canvas> Create(int width, int height) override;
};

}  // namespace tessaro::win32
