#include "platform/win32/win32_display_modes.h"

#include <windows.h>

namespace tessaro::win32 {

std::optional<DisplayMode> Win32DisplayModes::Mode(int index) {
    // Negative numbers are the call's special requests (current, registry settings).
    if (index < 0)
        return std::nullopt;
    DEVMODEW dm{};
    dm.dmSize = sizeof(dm);
    if (!EnumDisplaySettingsW(nullptr, static_cast<DWORD>(index), &dm))
        return std::nullopt;
    return DisplayMode{static_cast<int>(dm.dmPelsWidth), static_cast<int>(dm.dmPelsHeight)};
}

}  // namespace tessaro::win32
