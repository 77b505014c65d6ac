#pragma once

#include <string>

namespace tessaro {

class Shell {
  public:
    virtual ~Shell() = default;
    // Opens a document or folder with its default application ("open" verb).
    virtual bool Open(const std::string& path) = 0;
    // The user's documents folder as the shell gives it (it may end in a
    // separator); empty when the shell gives none.
    virtual std::string DocumentsFolder() = 0;
};

}  // namespace tessaro
