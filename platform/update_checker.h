#pragma once

#include <string>

namespace tessaro {

// The update component as the settings load drives it: it learns the program's own
// version and starts a check that reports its outcome later, on the UI thread.
class UpdateChecker {
  public:
    virtual ~UpdateChecker() = default;
    // The version a check compares against.
    virtual void SetVersionNumber(const std::string& version) = 0;
    // Starts a check with a direct connection and returns at once; a request while a
    // check is busy starts nothing new.
    virtual void StartCheck() = 0;
};

// For programs that never check (the command-line driver).
class NoUpdateChecker : public UpdateChecker {
  public:
    void SetVersionNumber(const std::string&) override {}
    void StartCheck() override {}
};

}  // namespace tessaro
