#pragma once

#include <optional>

namespace tessaro {

struct DisplayMode {
    int width = 0;
    int height = 0;
};

class DisplayModes {
  public:
    virtual ~DisplayModes() = default;
    // The primary display's mode with this number; none past the last one.
    virtual std::optional<DisplayMode> Mode(int index) = 0;
};

}  // namespace tessaro
