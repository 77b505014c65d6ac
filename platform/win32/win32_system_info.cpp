#include "platform/win32/win32_system_info.h"

#include <windows.h>

#if defined(_MSC_VER)
#include <intrin.h>
#else
#include <cpuid.h>
#endif

#include <algorithm>
#include <cstring>
#include <limits>

#include "platform/win32/registry_values.h"
#include "platform/win32/wide_text.h"

namespace tessaro::win32 {

namespace {

struct CpuidRegisters {
    unsigned int eax = 0, ebx = 0, ecx = 0, edx = 0;
};

CpuidRegisters Cpuid(unsigned int leaf) {
    CpuidRegisters r;
#if defined(_MSC_VER)
    int regs[4] = {};
    __cpuid(regs, static_cast<int>(leaf));
    r = {static_cast<unsigned>(regs[0]), static_cast<unsigned>(regs[1]),
         static_cast<unsigned>(regs[2]), static_cast<unsigned>(regs[3])};
#else
    __cpuid(leaf, r.eax, r.ebx, r.ecx, r.edx);
#endif
    return r;
}

// "\Registry\Machine\System\..." as the display device names its key.
std::wstring MachineSubKey(const std::wstring& deviceKey) {
    const std::wstring prefix = L"\\Registry\\Machine\\";
    if (deviceKey.size() < prefix.size() ||
        CompareStringOrdinal(deviceKey.c_str(), static_cast<int>(prefix.size()), prefix.c_str(),
                             static_cast<int>(prefix.size()), TRUE) != CSTR_EQUAL) {
        return {};
    }
    return deviceKey.substr(prefix.size());
}

std::uint32_t VideoMemory(const std::wstring& deviceKey) {
    std::wstring sub = MachineSubKey(deviceKey);
    if (sub.empty())
        return 0;
    auto bytes = ReadMachineNumber(sub.c_str(), L"HardwareInformation.qwMemorySize");
    if (!bytes)
        bytes = ReadMachineNumber(sub.c_str(), L"HardwareInformation.MemorySize");
    if (!bytes)
        return 0;
    // Cards beyond 4 GiB would wrap to a small number; the largest 32-bit figure is
    // the truthful one that fits.
    return static_cast<std::uint32_t>(
        std::min<std::uint64_t>(*bytes, std::numeric_limits<std::uint32_t>::max()));
}

}  // namespace

std::string Win32SystemInfo::OperatingSystemName() {
    auto name =
        ReadMachineString(LR"(SOFTWARE\Microsoft\Windows NT\CurrentVersion)", L"ProductName");
    return name ? Narrow(*name) : std::string();
}

std::uint64_t Win32SystemInfo::PhysicalMemoryBytes() {
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof(status);
    if (!GlobalMemoryStatusEx(&status))
        return 0;
    return status.ullTotalPhys;
}

std::string Win32SystemInfo::CpuName() {
    if (Cpuid(0x80000000u).eax < 0x80000004u)
        return {};
    char brand[49] = {};
    for (unsigned int i = 0; i < 3; ++i) {
        CpuidRegisters r = Cpuid(0x80000002u + i);
        std::memcpy(brand + 16 * i + 0, &r.eax, 4);
        std::memcpy(brand + 16 * i + 4, &r.ebx, 4);
        std::memcpy(brand + 16 * i + 8, &r.ecx, 4);
        std::memcpy(brand + 16 * i + 12, &r.edx, 4);
    }
    return std::string(brand);  // ends at the first NUL
}

std::uint32_t Win32SystemInfo::CpuMegahertz() {
    auto mhz = ReadMachineNumber(LR"(HARDWARE\DESCRIPTION\System\CentralProcessor\0)", L"~MHz");
    return mhz ? static_cast<std::uint32_t>(*mhz) : 0;
}

DisplayAdapter Win32SystemInfo::RefreshDisplayAdapter() {
    DISPLAY_DEVICEW device{};
    device.cb = sizeof(device);
    for (DWORD i = 0; EnumDisplayDevicesW(nullptr, i, &device, 0); ++i) {
        if (device.StateFlags & DISPLAY_DEVICE_PRIMARY_DEVICE) {
            return DisplayAdapter{Narrow(device.DeviceString), VideoMemory(device.DeviceKey)};
        }
        device = {};
        device.cb = sizeof(device);
    }
    return {};
}

}  // namespace tessaro::win32
