#pragma once

#include <string>

#include "platform/clock.h"

namespace tessaro {

// The user's regional settings, as the platform formats them.
class Locale {
  public:
    virtual ~Locale() = default;
    virtual std::string ShortDate(const LocalTime& t) = 0;
    virtual std::string LongTime(const LocalTime& t) = 0;
    virtual std::string DecimalSeparator() = 0;
};

}  // namespace tessaro
