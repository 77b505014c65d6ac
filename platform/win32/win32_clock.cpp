#include "platform/win32/win32_clock.h"

#include <windows.h>

namespace tessaro::win32 {

void Win32Clock::Sleep(int milliseconds) {
    ::Sleep(milliseconds > 0 ? static_cast<DWORD>(milliseconds) : 0);
}

LocalTime Win32Clock::Now() {
    SYSTEMTIME st{};
    GetLocalTime(&st);
    return LocalTime{st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond};
}

}  // namespace tessaro::win32
