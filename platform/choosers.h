#pragma once

#include <optional>
#include <string>

namespace tessaro {

// The open-file dialog. The filter is "description|pattern"; the answer is the chosen
// file's full name, none when the user cancels.
class FileChooser {
  public:
    virtual ~FileChooser() = default;
    virtual std::optional<std::string> ChooseFile(const std::string& filter,
                                                  const std::string& title) = 0;
};

// The folder dialog, with buttons to create and delete folders; the answer is the
// chosen folder's full path, none when the user cancels.
class FolderChooser {
  public:
    virtual ~FolderChooser() = default;
    virtual std::optional<std::string> ChooseFolder(const std::string& title) = 0;
};

}  // namespace tessaro
