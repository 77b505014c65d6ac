#include "platform/win32/registry_values.h"

#include <cstring>
#include <vector>

#include "platform/win32/unique_hkey.h"

namespace tessaro::win32 {

std::optional<std::wstring> QueryStringValue(HKEY key, const wchar_t* name) {
    std::vector<BYTE> data(256);
    for (;;) {
        DWORD type = 0;
        auto size = static_cast<DWORD>(data.size());
        LONG rc = RegQueryValueExW(key, name, nullptr, &type, data.data(), &size);
        if (rc == ERROR_MORE_DATA) {
            data.resize(size + sizeof(wchar_t));
            continue;
        }
        if (rc != ERROR_SUCCESS || type != REG_SZ)
            return std::nullopt;
        // The stored data need not end in a NUL, and may hold several.
        std::wstring text(size / sizeof(wchar_t), L'\0');
        std::memcpy(text.data(), data.data(), text.size() * sizeof(wchar_t));
        auto end = text.find(L'\0');
        if (end != std::wstring::npos)
            text.resize(end);
        return text;
    }
}

namespace {

UniqueHkey OpenMachineKey(const wchar_t* path) {
    UniqueHkey key;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, path, 0, KEY_READ, key.put()) != ERROR_SUCCESS) {
        return {};
    }
    return key;
}

}  // namespace

std::optional<std::wstring> ReadMachineString(const wchar_t* path, const wchar_t* name) {
    UniqueHkey key = OpenMachineKey(path);
    if (!key)
        return std::nullopt;
    return QueryStringValue(key.get(), name);
}

std::optional<std::uint64_t> ReadMachineNumber(const wchar_t* path, const wchar_t* name) {
    UniqueHkey key = OpenMachineKey(path);
    if (!key)
        return std::nullopt;
    BYTE data[8] = {};
    DWORD type = 0;
    DWORD size = sizeof(data);
    if (RegQueryValueExW(key.get(), name, nullptr, &type, data, &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    if (type != REG_DWORD && type != REG_QWORD && type != REG_BINARY)
        return std::nullopt;
    std::uint64_t value = 0;
    for (DWORD i = 0; i < size; ++i)
        value |= static_cast<std::uint64_t>(data[i]) << (8 * i);
    return value;
}

}  // namespace tessaro::win32
