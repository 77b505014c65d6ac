#pragma once

#include <string>

namespace tessaro {

enum class RegistryRoot { LocalMachine, CurrentUser };

// The program's one registry accessor. Keys are opened in the 32-bit view. A key
// path may be relative ("SOFTWARE\...") or absolute ("\SOFTWARE\..."); both name
// the same key. Values of any type but a string read as missing.
class Registry {
  public:
    virtual ~Registry() = default;
    virtual void SelectRoot(RegistryRoot root) = 0;
    // Opens the key (creating it only when allowed) and keeps it open.
    virtual bool OpenKey(const std::string& path, bool create) = 0;
    virtual bool KeyExists(const std::string& path) = 0;
    virtual bool ValueExists(const std::string& name) = 0;
    // Empty when the value is missing or no key is open.
    virtual std::string ReadString(const std::string& name) = 0;
    // False when no key is open or the system refuses the write.
    virtual bool WriteString(const std::string& name, const std::string& value) = 0;
};

}  // namespace tessaro
