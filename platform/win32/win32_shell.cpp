#include "platform/win32/win32_shell.h"

#include <windows.h>

#include <shellapi.h>
#include <shlobj.h>

#include <memory>

#include "platform/win32/wide_text.h"

namespace tessaro::win32 {

namespace {

struct PidlFree {
    void operator()(ITEMIDLIST* p) const { CoTaskMemFree(p); }
};
using UniquePidl = std::unique_ptr<ITEMIDLIST, PidlFree>;

}  // namespace

bool Win32Shell::Open(const std::string& path) {
    HINSTANCE result =
        ShellExecuteW(nullptr, L"open", Widen(path).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    // Values up to 32 are error codes.
    return reinterpret_cast<INT_PTR>(result) > 32;
}

std::string Win32Shell::DocumentsFolder() {
    LPITEMIDLIST raw = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, CSIDL_PERSONAL, &raw)))
        return {};
    UniquePidl pidl(raw);
    wchar_t path[MAX_PATH] = {};
    if (!SHGetPathFromIDListW(pidl.get(), path))
        return {};
    return Narrow(path);
}

}  // namespace tessaro::win32
