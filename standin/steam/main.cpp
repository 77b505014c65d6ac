// steam.exe, the stand-in Steam client. Without arguments it records its folder as the
// user's SteamPath and stays until it is closed; with "-silent -applaunch 13210 ..." it
// starts the stand-in game named in "standin-game.txt" beside it and ends at once.
#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/win32/unique_handle.h"
#include "platform/win32/wide_text.h"
#include "standin/core/steam_client.h"
#include "standin/core/text.h"

namespace {

using namespace tessaro::standin;
using tessaro::win32::Narrow;
using tessaro::win32::UniqueHandle;
using tessaro::win32::Widen;

std::filesystem::path OwnFolder() {
    std::wstring file(MAX_PATH, L'\0');
    for (;;) {
        DWORD length = GetModuleFileNameW(nullptr, file.data(), static_cast<DWORD>(file.size()));
        if (length < file.size()) {
            file.resize(length);
            break;
        }
        file.resize(file.size() * 2);
    }
    return std::filesystem::path(file).parent_path();
}

bool RecordSteamPath(const std::wstring& value) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Valve\\Steam", 0, nullptr,
                        REG_OPTION_NON_VOLATILE, KEY_SET_VALUE | KEY_WOW64_32KEY, nullptr, &key,
                        nullptr) != ERROR_SUCCESS) {
        return false;
    }
    const auto bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
    const bool ok =
        RegSetValueExW(key, L"SteamPath", 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       bytes) == ERROR_SUCCESS;
    RegCloseKey(key);
    return ok;
}

LRESULT CALLBACK ResidentWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE) {
        DestroyWindow(window);
        return 0;
    }
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// A hidden top-level window, so a close request (WM_CLOSE) ends the client as it would the
// real one; without a display a message-only window, and failing that the bare queue.
HWND CreateResidentWindow(HINSTANCE instance) {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = ResidentWindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = L"TessaroSteamStandIn";
    RegisterClassW(&windowClass);
    HWND window =
        CreateWindowExW(0, windowClass.lpszClassName, L"Steam", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                        CW_USEDEFAULT, 320, 200, nullptr, nullptr, instance, nullptr);
    if (!window) {
        window = CreateWindowExW(0, windowClass.lpszClassName, L"Steam", 0, 0, 0, 0, 0,
                                 HWND_MESSAGE, nullptr, instance, nullptr);
    }
    return window;
}

int RunResident(HINSTANCE instance) {
    const std::string folder = tessaro::standin::PathUtf8(OwnFolder());
    if (!RecordSteamPath(Widen(SteamPathValue(folder)))) {
        std::fputs("steam stand-in: cannot record SteamPath\n", stderr);
        return kSteamExitRegistryFailed;
    }
    CreateResidentWindow(instance);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return kSteamExitOk;
}

int LaunchGame(const std::string& gameArguments) {
    std::ifstream in(OwnFolder() / "standin-game.txt", std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    const auto gamePath = GamePathFromFile(text.str());
    if (!gamePath) {
        std::fputs("steam stand-in: no game path in standin-game.txt\n", stderr);
        return kSteamExitNoGamePath;
    }
    const std::wstring application = Widen(*gamePath);
    std::wstring commandLine = Widen(GameCommandLine(*gamePath, gameArguments));
    const std::wstring folder = Widen(GameFolder(*gamePath));
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    // The application name is given, so a game path with blanks needs no quotes.
    if (!CreateProcessW(application.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                        nullptr, folder.empty() ? nullptr : folder.c_str(), &startup, &process)) {
        std::fprintf(stderr, "steam stand-in: cannot start %s (error %lu)\n", gamePath->c_str(),
                     GetLastError());
        return kSteamExitLaunchFailed;
    }
    UniqueHandle processHandle(process.hProcess);
    UniqueHandle threadHandle(process.hThread);
    return kSteamExitOk;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    const std::string commandLine = Narrow(GetCommandLineW());
    const SteamRequest request = ParseSteamArguments(ArgumentsTail(commandLine));
    switch (request.kind) {
        case SteamRequest::Kind::Resident:
            return RunResident(instance);
        case SteamRequest::Kind::AppLaunch:
            return LaunchGame(request.gameArguments);
        case SteamRequest::Kind::Unknown:
            break;
    }
    std::fprintf(stderr, "steam stand-in: unknown arguments: %s\n", commandLine.c_str());
    return kSteamExitUnknownArguments;
}
