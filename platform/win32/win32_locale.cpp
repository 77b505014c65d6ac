#include "platform/win32/win32_locale.h"

#include <windows.h>

#include "platform/win32/wide_text.h"

namespace tessaro::win32 {

namespace {

SYSTEMTIME ToSystemTime(const LocalTime& t) {
    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(t.year);
    st.wMonth = static_cast<WORD>(t.month);
    st.wDay = static_cast<WORD>(t.day);
    st.wHour = static_cast<WORD>(t.hour);
    st.wMinute = static_cast<WORD>(t.minute);
    st.wSecond = static_cast<WORD>(t.second);
    return st;
}

// The calls' results count the terminating NUL; 0 means failure.
std::string FromBuffer(const wchar_t* buffer, int written) {
    if (written <= 0)
        return {};
    return Narrow(std::wstring(buffer, static_cast<std::size_t>(written - 1)));
}

}  // namespace

std::string Win32Locale::ShortDate(const LocalTime& t) {
    SYSTEMTIME st = ToSystemTime(t);
    wchar_t buffer[128] = {};
    int n = GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, &st, nullptr, buffer,
                            static_cast<int>(std::size(buffer)), nullptr);
    return FromBuffer(buffer, n);
}

std::string Win32Locale::LongTime(const LocalTime& t) {
    SYSTEMTIME st = ToSystemTime(t);
    wchar_t buffer[128] = {};
    int n = GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, 0, &st, nullptr, buffer,
                            static_cast<int>(std::size(buffer)));
    return FromBuffer(buffer, n);
}

std::string Win32Locale::DecimalSeparator() {
    wchar_t buffer[8] = {};
    int n = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, buffer,
                            static_cast<int>(std::size(buffer)));
    return FromBuffer(buffer, n);
}

}  // namespace tessaro::win32
