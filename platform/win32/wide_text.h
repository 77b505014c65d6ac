#pragma once

#include <string>

namespace tessaro::win32 {

// UTF-8 inside the program, UTF-16 at the Win32 boundary.
std::wstring Widen(const std::string& utf8);
std::string Narrow(const std::wstring& wide);

}  // namespace tessaro::win32
