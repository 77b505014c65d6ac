#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tessaro {

class ProcessList {
  public:
    virtual ~ProcessList() = default;
    // Image names (file names only) of every running process; none when the list
    // cannot be obtained.
    virtual std::optional<std::vector<std::string>> ImageNames() = 0;
    // Whether the first process found with this image name is still running
    // (false when there is none).
    virtual bool FirstIsRunning(const std::string& imageName) = 0;
};

}  // namespace tessaro
