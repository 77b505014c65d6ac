#pragma once

#include <cstdint>
#include <string>

namespace tessaro {

struct DisplayAdapter {
    std::string name;
    std::uint32_t memoryBytes = 0;
};

// Values describing the machine, read afresh at every call.
class SystemInfo {
  public:
    virtual ~SystemInfo() = default;
    virtual std::string OperatingSystemName() = 0;
    virtual std::uint64_t PhysicalMemoryBytes() = 0;
    virtual std::string CpuName() = 0;  // the brand string, leading blanks kept
    virtual std::uint32_t CpuMegahertz() = 0;
    virtual DisplayAdapter RefreshDisplayAdapter() = 0;
};

}  // namespace tessaro
