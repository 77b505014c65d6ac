#pragma once

#include "platform/display_modes.h"

namespace tessaro::win32 {

// The primary display's modes, in the driver's order.
class Win32DisplayModes final : public DisplayModes {
  public:
    std::optional<DisplayMode> Mode(int index) override;
};

}  // namespace tessaro::win32
