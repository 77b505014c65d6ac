#pragma once

#include "platform/system_info.h"

namespace tessaro::win32 {

class Win32SystemInfo final : public SystemInfo {
  public:
    std::string OperatingSystemName() override;
    std::uint64_t PhysicalMemoryBytes() override;
    std::string CpuName() override;
    std::uint32_t CpuMegahertz() override;
    DisplayAdapter RefreshDisplayAdapter() override;
};

}  // namespace tessaro::win32
