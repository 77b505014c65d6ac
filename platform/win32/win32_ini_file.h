#pragma once

#include "platform/ini_file.h"

namespace tessaro::win32 {

class Win32IniFile final : public IniFile {
  public:
    bool WriteString(const std::string& file, const std::string& section, const std::string& key,
                     const std::string& value) override;
};

}  // namespace tessaro::win32
