#include "platform/win32/win32_process_list.h"

#include <windows.h>

#include <tlhelp32.h>

#include "platform/win32/unique_handle.h"
#include "platform/win32/wide_text.h"

namespace tessaro::win32 {

namespace {

struct ProcessEntry {
    std::string imageName;
    DWORD id = 0;
};

std::optional<std::vector<ProcessEntry>> Snapshot() {
    UniqueHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot)
        return std::nullopt;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    if (!Process32FirstW(snapshot.get(), &entry))
        return std::nullopt;
    std::vector<ProcessEntry> entries;
    do {
        entries.push_back({Narrow(entry.szExeFile), entry.th32ProcessID});
    } while (Process32NextW(snapshot.get(), &entry));
    return entries;
}

char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualIgnoringAsciiCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i]))
            return false;
    }
    return true;
}

bool IsRunning(DWORD processId) {
    UniqueHandle process(
        OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    // A process of another account is refused to us, but it is there.
    if (!process)
        return GetLastError() == ERROR_ACCESS_DENIED;
    return WaitForSingleObject(process.get(), 0) == WAIT_TIMEOUT;
}

}  // namespace

std::optional<std::vector<std::string>> Win32ProcessList::ImageNames() {
    auto entries = Snapshot();
    if (!entries)
        return std::nullopt;
    std::vector<std::string> names;
    names.reserve(entries->size());
    for (auto& e : *entries)
        names.push_back(std::move(e.imageName));
    return names;
}

bool Win32ProcessList::FirstIsRunning(const std::string& imageName) {
    auto entries = Snapshot();
    if (!entries)
        return false;
    for (const auto& e : *entries) {
        if (EqualIgnoringAsciiCase(e.imageName, imageName))
            return IsRunning(e.id);
    }
    return false;
}

}  // namespace tessaro::win32
