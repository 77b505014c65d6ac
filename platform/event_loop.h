#pragma once

namespace tessaro {

// The user-interface thread's message loop.
class EventLoop {
  public:
    virtual ~EventLoop() = default;
    // Lets the events queued so far run, then returns.
    virtual void ProcessMessages() = 0;
};

}  // namespace tessaro
