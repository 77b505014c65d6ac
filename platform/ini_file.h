#pragma once

#include <string>

namespace tessaro {

// The system's private-profile write: replaces the key in its section, adds the key
// or the section when missing, and writes the file at once.
class IniFile {
  public:
    virtual ~IniFile() = default;
    virtual bool WriteString(const std::string& file, const std::string& section,
                             const std::string& key, const std::string& value) = 0;
};

}  // namespace tessaro
