#include "platform/win32/program_info.h"

#include <windows.h>

#include <shellapi.h>

#include <cstdio>

#include "platform/win32/wide_text.h"

namespace tessaro::win32 {

std::string ProgramPath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0)
            return {};
        if (n < path.size()) {
            path.resize(n);
            return Narrow(path);
        }
        path.resize(path.size() * 2);  // the name was cut off
    }
}

std::string ProgramFolder() {
    std::string path = ProgramPath();
    return path.substr(0, path.find_last_of("\\/") + 1);
}

std::string FileVersion() {
    return FileVersionOf(ProgramPath());
}

std::string FileVersionOf(const std::string& path) {
    std::wstring file = Widen(path);
    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeW(file.c_str(), &ignored);
    if (size == 0)
        return {};
    std::string record(size, '\0');
    if (!GetFileVersionInfoW(file.c_str(), 0, size, record.data()))
        return {};

    struct Translation {
        WORD language;
        WORD codePage;
    };
    Translation* translations = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(record.data(), L"\\VarFileInfo\\Translation",
                        reinterpret_cast<void**>(&translations), &length) ||
        length < sizeof(Translation)) {
        return {};
    }
    wchar_t query[64];
    swprintf(query, std::size(query), L"\\StringFileInfo\\%04x%04x\\FileVersion",
             translations[0].language, translations[0].codePage);
    wchar_t* text = nullptr;
    if (!VerQueryValueW(record.data(), query, reinterpret_cast<void**>(&text), &length) ||
        length == 0) {
        return {};
    }
    return Narrow(std::wstring(text));
}

std::vector<std::string> CommandLineArguments() {
    int count = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!argv)
        return {};
    std::vector<std::string> arguments;
    for (int i = 1; i < count; ++i)
        arguments.push_back(Narrow(argv[i]));
    LocalFree(argv);
    return arguments;
}

}  // namespace tessaro::win32
