#include "platform/win32/win32_registry.h"

#include "platform/win32/registry_values.h"
#include "platform/win32/wide_text.h"

namespace tessaro::win32 {

namespace {

constexpr REGSAM kView = KEY_WOW64_32KEY;

// "\SOFTWARE\..." and "SOFTWARE\..." name the same key below the root.
std::wstring SubKey(const std::string& path) {
    std::wstring w = Widen(path);
    std::size_t first = w.find_first_not_of(L'\\');
    return first == std::wstring::npos ? std::wstring() : w.substr(first);
}

}  // namespace

void Win32Registry::SelectRoot(RegistryRoot root) {
    key_.Reset();
    root_ = root == RegistryRoot::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

bool Win32Registry::OpenKey(const std::string& path, bool create) {
    key_.Reset();
    std::wstring sub = SubKey(path);
    LONG rc = create
                  ? RegCreateKeyExW(root_, sub.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                    KEY_READ | KEY_WRITE | kView, nullptr, key_.put(), nullptr)
                  : RegOpenKeyExW(root_, sub.c_str(), 0, KEY_READ | KEY_WRITE | kView, key_.put());
    // A standard user may not write below HKEY_LOCAL_MACHINE but can still read;
    // the writes then fail one by one.
    if (rc == ERROR_ACCESS_DENIED) {
        rc = RegOpenKeyExW(root_, sub.c_str(), 0, KEY_READ | kView, key_.put());
    }
    if (rc != ERROR_SUCCESS) {
        key_.Reset();
        return false;
    }
    return true;
}

bool Win32Registry::KeyExists(const std::string& path) {
    UniqueHkey probe;
    LONG rc = RegOpenKeyExW(root_, SubKey(path).c_str(), 0, KEY_READ | kView, probe.put());
    return rc == ERROR_SUCCESS || rc == ERROR_ACCESS_DENIED;
}

bool Win32Registry::ValueExists(const std::string& name) {
    if (!key_)
        return false;
    // A value of another type reads as missing, here as in ReadString.
    return QueryStringValue(key_.get(), Widen(name).c_str()).has_value();
}

std::string Win32Registry::ReadString(const std::string& name) {
    if (!key_)
        return {};
    auto value = QueryStringValue(key_.get(), Widen(name).c_str());
    return value ? Narrow(*value) : std::string();
}

bool Win32Registry::WriteString(const std::string& name, const std::string& value) {
    if (!key_)
        return false;
    std::wstring data = Widen(value);
    auto bytes = static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t));
    return RegSetValueExW(key_.get(), Widen(name).c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(data.c_str()), bytes) == ERROR_SUCCESS;
}

}  // namespace tessaro::win32
