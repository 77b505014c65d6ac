#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

namespace tessaro::win32 {

// A REG_SZ value of an open key; none when missing or of another type.
std::optional<std::wstring> QueryStringValue(HKEY key, const wchar_t* name);

// One value read from a key that is opened for the read only (default view).
std::optional<std::wstring> ReadMachineString(const wchar_t* path, const wchar_t* name);
// A REG_DWORD or REG_QWORD value (or a REG_BINARY of up to 8 bytes, little-endian).
std::optional<std::uint64_t> ReadMachineNumber(const wchar_t* path, const wchar_t* name);

}  // namespace tessaro::win32
