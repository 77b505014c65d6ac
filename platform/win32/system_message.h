#pragma once

#include <windows.h>

#include <string>

namespace tessaro::win32 {

// The system's own text for an error code (UTF-8, without the trailing line break).
std::string SystemMessage(DWORD code);

}  // namespace tessaro::win32
