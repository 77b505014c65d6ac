#pragma once

#include "platform/locale.h"

namespace tessaro::win32 {

// The user's default locale.
class Win32Locale final : public Locale {
  public:
    std::string ShortDate(const LocalTime& t) override;
    std::string LongTime(const LocalTime& t) override;
    std::string DecimalSeparator() override;
};

}  // namespace tessaro::win32
