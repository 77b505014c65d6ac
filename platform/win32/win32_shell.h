#pragma once

#include "platform/shell.h"

namespace tessaro::win32 {

class Win32Shell final : public Shell {
  public:
    bool Open(const std::string& path) override;
    std::string DocumentsFolder() override;
};

}  // namespace tessaro::win32
