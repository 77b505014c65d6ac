#include "platform/win32/win32_file_system.h"

#include <windows.h>

#include <shellapi.h>

#include "platform/win32/unique_handle.h"
#include "platform/win32/wide_text.h"

namespace tessaro::win32 {

namespace {

bool IsSeparator(wchar_t c) {
    return c == L'\\' || c == L'/';
}

// Folder paths arrive with a trailing separator. Wine's folder calls accept one,
// but Windows documents them for the plain form, so it is dropped; a root ("C:\",
// "\") keeps its separator.
std::wstring FolderPath(const std::string& path) {
    std::wstring w = Widen(path);
    while (w.size() > 1 && IsSeparator(w.back()) && !(w.size() == 3 && w[1] == L':')) {
        w.pop_back();
    }
    return w;
}

DWORD Attributes(const std::string& path) {
    return GetFileAttributesW(Widen(path).c_str());
}

// The shell's lists are NUL-separated and end with a second NUL.
std::wstring ShellList(const std::string& path) {
    std::wstring list = Widen(path);
    list.push_back(L'\0');
    return list;  // c_str() adds the second NUL
}

bool ShellFileOperation(UINT operation, const std::string& from, const std::string& to) {
    // Wine's move of a missing source reports success; the test makes both agree.
    DWORD attributes = GetFileAttributesW(Widen(from).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        return false;
    }
    std::wstring source = ShellList(from);
    std::wstring destination = ShellList(to);
    SHFILEOPSTRUCTW op{};
    op.wFunc = operation;
    op.pFrom = source.c_str();
    op.pTo = destination.c_str();
    op.fFlags = FOF_FILESONLY | FOF_NOCONFIRMATION | FOF_NOCONFIRMMKDIR | FOF_SIMPLEPROGRESS |
                FOF_NOERRORUI | FOF_SILENT;
    int result = SHFileOperationW(&op);
    return result == 0 && !op.fAnyOperationsAborted;
}

}  // namespace

bool Win32FileSystem::FileExists(const std::string& path) {
    DWORD a = Attributes(path);
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32FileSystem::FolderExists(const std::string& path) {
    DWORD a = GetFileAttributesW(FolderPath(path).c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

std::optional<std::string> Win32FileSystem::ReadFile(const std::string& path) {
    UniqueHandle file(CreateFileW(Widen(path).c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return std::nullopt;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart > 0x7FFFFFFF)
        return std::nullopt;
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD got = 0;
        if (!::ReadFile(file.get(), bytes.data() + done, static_cast<DWORD>(bytes.size() - done),
                        &got, nullptr)) {
            return std::nullopt;
        }
        if (got == 0)
            break;  // the file shrank while we read it
        done += got;
    }
    bytes.resize(done);
    return bytes;
}

bool Win32FileSystem::WriteFile(const std::string& path, const std::string& bytes) {
    UniqueHandle file(CreateFileW(Widen(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return false;
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD wrote = 0;
        if (!::WriteFile(file.get(), bytes.data() + done, static_cast<DWORD>(bytes.size() - done),
                         &wrote, nullptr) ||
            wrote == 0) {
            return false;
        }
        done += wrote;
    }
    return true;
}

bool Win32FileSystem::DeleteFile(const std::string& path) {
    return DeleteFileW(Widen(path).c_str()) != FALSE;
}

bool Win32FileSystem::MoveFile(const std::string& from, const std::string& to) {
    return ShellFileOperation(FO_MOVE, from, to);
}

bool Win32FileSystem::CopyFile(const std::string& from, const std::string& to) {
    return ShellFileOperation(FO_COPY, from, to);
}

bool Win32FileSystem::RenameFolder(const std::string& from, const std::string& to) {
    return MoveFileW(FolderPath(from).c_str(), FolderPath(to).c_str()) != FALSE;
}

bool Win32FileSystem::CreateFolder(const std::string& path) {
    return CreateDirectoryW(FolderPath(path).c_str(), nullptr) != FALSE;
}

bool Win32FileSystem::RemoveFolder(const std::string& path) {
    return RemoveDirectoryW(FolderPath(path).c_str()) != FALSE;
}

}  // namespace tessaro::win32
