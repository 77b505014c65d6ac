#pragma once

#include <windows.h>

// <windows.h> maps these names to their W functions, which would rename the
// interface's methods wherever both are seen; the W calls are spelt out instead.
#undef DeleteFile
#undef MoveFile
#undef CopyFile

#include "platform/file_system.h"

namespace tessaro::win32 {

// Files and folders through the W calls; moves and copies through the shell's file
// operation, which never shows a dialog here (a console or a test could not answer it).
class Win32FileSystem final : public FileSystem {
  public:
    bool FileExists(const std::string& path) override;
    bool FolderExists(const std::string& path) override;
    std::optional<std::string> ReadFile(const std::string& path) override;
    bool WriteFile(const std::string& path, const std::string& bytes) override;
    bool DeleteFile(const std::string& path) override;
    bool MoveFile(const std::string& from, const std::string& to) override;
    bool CopyFile(const std::string& from, const std::string& to) override;
    bool RenameFolder(const std::string& from, const std::string& to) override;
    bool CreateFolder(const std::string& path) override;
    bool RemoveFolder(const std::string& path) override;
};

}  // namespace tessaro::win32
