// A small program for the process tests: it records how it was started, waits, and
// exits with the code it is told.
//   --record=FILE  append: command line, tab, working folder, tab, start-up flags,
//                  tab, show state, tab, "x,y,w,h" (UTF-8, one line)
//   --until=FILE   stay running until FILE exists (at most 20 s)
//   --sleep=MS     stay running this long
//   --exit=CODE    the exit code
// Arguments it does not know (the pieces of an unquoted path) are ignored.
#include <windows.h>

#include <cstdio>
#include <string>

#include "platform/win32/program_info.h"
#include "platform/win32/wide_text.h"

using tessaro::win32::Narrow;
using tessaro::win32::Widen;

namespace {

std::string Option(const std::string& argument, const std::string& name) {
    return argument.rfind(name, 0) == 0 ? argument.substr(name.size()) : std::string();
}

void Record(const std::string& file) {
    wchar_t folder[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, folder);
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    GetStartupInfoW(&si);
    std::string line = Narrow(GetCommandLineW()) + "\t" + Narrow(folder) + "\t" +
                       std::to_string(si.dwFlags) + "\t" + std::to_string(si.wShowWindow) + "\t" +
                       std::to_string(si.dwX) + "," + std::to_string(si.dwY) + "," +
                       std::to_string(si.dwXSize) + "," + std::to_string(si.dwYSize) + "\n";
    FILE* f = _wfopen(Widen(file).c_str(), L"ab");
    if (!f)
        return;
    std::fwrite(line.data(), 1, line.size(), f);
    std::fclose(f);
}

}  // namespace

int main() {
    int exitCode = 0;
    for (const std::string& a : tessaro::win32::CommandLineArguments()) {
        if (auto v = Option(a, "--record="); !v.empty())
            Record(v);
        if (auto v = Option(a, "--sleep="); !v.empty())
            Sleep(static_cast<DWORD>(std::stoul(v)));
        if (auto v = Option(a, "--exit="); !v.empty())
            exitCode = std::stoi(v);
        if (auto v = Option(a, "--until="); !v.empty()) {
            for (int waited = 0; waited < 20000; waited += 10) {
                if (GetFileAttributesW(Widen(v).c_str()) != INVALID_FILE_ATTRIBUTES)
                    break;
                Sleep(10);
            }
        }
    }
    return exitCode;
}
