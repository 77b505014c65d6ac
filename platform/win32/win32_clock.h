#pragma once

#include "platform/clock.h"

namespace tessaro::win32 {

class Win32Clock final : public Clock {
  public:
    void Sleep(int milliseconds) override;
    LocalTime Now() override;
};

}  // namespace tessaro::win32
