#pragma once

#include "platform/process_list.h"

namespace tessaro::win32 {

// The system's process snapshot (Toolhelp).
class Win32ProcessList final : public ProcessList {
  public:
    std::optional<std::vector<std::string>> ImageNames() override;
    // The image name is compared ignoring ASCII letter case.
    bool FirstIsRunning(const std::string& imageName) override;
};

}  // namespace tessaro::win32
