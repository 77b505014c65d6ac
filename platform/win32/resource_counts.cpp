#include "platform/win32/resource_counts.h"

#include <windows.h>

#include <cstdint>

namespace tessaro::win32 {

unsigned long OpenHandleCount() {
    DWORD n = 0;
    GetProcessHandleCount(GetCurrentProcess(), &n);
    if (n > 0)
        return n;
    for (std::uintptr_t value = 4; value < 0x10000; value += 4) {
        DWORD flags = 0;
        if (GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags))
            ++n;
    }
    return n;
}

// Under Wine a GDI handle's low word is its slot in the process's table, and a bare
// slot number names whatever lives there.
unsigned long GdiObjectCount() {
    if (DWORD n = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS))
        return n;
    unsigned long n = 0;
    for (std::uintptr_t slot = 1; slot <= 0xFFFF; ++slot)
        if (GetObjectType(reinterpret_cast<HGDIOBJ>(slot)) != 0)
            ++n;
    return n;
}

}  // namespace tessaro::win32
