#include "platform/win32/win32_ini_file.h"

#include <windows.h>

#include "platform/win32/wide_text.h"

namespace tessaro::win32 {

bool Win32IniFile::WriteString(const std::string& file, const std::string& section,
                               const std::string& key, const std::string& value) {
    return WritePrivateProfileStringW(Widen(section).c_str(), Widen(key).c_str(),
                                      Widen(value).c_str(), Widen(file).c_str()) != FALSE;
}

}  // namespace tessaro::win32
