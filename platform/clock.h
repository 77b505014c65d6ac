#pragma once

namespace tessaro {

struct LocalTime {
    int year = 0, month = 0, day = 0;
    int hour = 0, minute = 0, second = 0;
};

// Every fixed wait of the program goes through here, so tests run instantly and
// can assert the exact waits.
class Clock {
  public:
    virtual ~Clock() = default;
    virtual void Sleep(int milliseconds) = 0;
    virtual LocalTime Now() = 0;
};

}  // namespace tessaro
