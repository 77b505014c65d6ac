#pragma once

#include <windows.h>

#include "platform/registry.h"
#include "platform/win32/unique_hkey.h"

namespace tessaro::win32 {

// The program's registry accessor, always in the 32-bit view: the settings have
// lived there since the program was 32-bit. One key is open at a time; opening
// another (or failing to), changing the root or destruction closes it.
class Win32Registry final : public Registry {
  public:
    void SelectRoot(RegistryRoot root) override;
    bool OpenKey(const std::string& path, bool create) override;
    bool KeyExists(const std::string& path) override;
    bool ValueExists(const std::string& name) override;
    std::string ReadString(const std::string& name) override;
    bool WriteString(const std::string& name, const std::string& value) override;

  private:
    HKEY root_ = HKEY_CURRENT_USER;
    UniqueHkey key_;
};

}  // namespace tessaro::win32
