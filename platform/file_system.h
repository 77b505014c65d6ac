#pragma once

#include <optional>
#include <string>

namespace tessaro {

// Files and folders. Paths are UTF-8; contents are bytes. Every operation answers
// whether it succeeded; none shows a message of its own.
class FileSystem {
  public:
    virtual ~FileSystem() = default;
    virtual bool FileExists(const std::string& path) = 0;
    virtual bool FolderExists(const std::string& path) = 0;
    virtual std::optional<std::string> ReadFile(const std::string& path) = 0;
    // Creates or replaces the file.
    virtual bool WriteFile(const std::string& path, const std::string& bytes) = 0;
    virtual bool DeleteFile(const std::string& path) = 0;
    // The shell's move and copy of one file; an existing destination is replaced.
    virtual bool MoveFile(const std::string& from, const std::string& to) = 0;
    virtual bool CopyFile(const std::string& from, const std::string& to) = 0;
    virtual bool RenameFolder(const std::string& from, const std::string& to) = 0;
    virtual bool CreateFolder(const std::string& path) = 0;
    // Removes an empty folder.
    virtual bool RemoveFolder(const std::string& path) = 0;
};

}  // namespace tessaro
