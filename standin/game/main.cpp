// UT3.exe, the stand-in game: gathers what a start takes from Windows and runs it.
#include <shlobj.h>
#include <windows.h>

#include <filesystem>
#include <optional>
#include <string>

#include "platform/win32/wide_text.h"
#include "standin/core/game_run.h"

namespace {

using tessaro::win32::Narrow;

std::optional<std::wstring> Environment(const wchar_t* name) {
    DWORD size = GetEnvironmentVariableW(name, nullptr, 0);
    if (size == 0)
        return std::nullopt;
    std::wstring value(size, L'\0');
    DWORD length = GetEnvironmentVariableW(name, value.data(), size);
    value.resize(length);
    return value;
}

std::wstring CurrentFolder() {
    DWORD size = GetCurrentDirectoryW(0, nullptr);
    std::wstring folder(size, L'\0');
    DWORD length = GetCurrentDirectoryW(size, folder.data());
    folder.resize(length);
    return folder;
}

std::filesystem::path DocumentsFolder() {
    PIDLIST_ABSOLUTE list = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, CSIDL_PERSONAL, &list)))
        return {};
    wchar_t folder[MAX_PATH] = {};
    const bool found = SHGetPathFromIDListW(list, folder);
    CoTaskMemFree(list);
    return found ? std::filesystem::path(folder) : std::filesystem::path();
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    tessaro::standin::GameStart start;
    start.commandLine = Narrow(GetCommandLineW());
    start.workingFolder = Narrow(CurrentFolder());
    start.documentsFolder = DocumentsFolder();
    if (auto seconds = Environment(L"UT3_STANDIN_SECONDS"))
        start.secondsOverride = Narrow(*seconds);
    if (auto log = Environment(L"UT3_STANDIN_LOG"))
        start.startLog = std::filesystem::path(*log);
    if (auto script = Environment(L"UT3_STANDIN_SCRIPT"))
        start.script = std::filesystem::path(*script);
    return tessaro::standin::RunGame(start);
}
