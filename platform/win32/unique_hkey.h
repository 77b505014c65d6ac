#pragma once

#include <windows.h>

#include <utility>

namespace tessaro::win32 {

// Owns an open registry key; the predefined roots are never closed.
class UniqueHkey {
  public:
    UniqueHkey() = default;
    explicit UniqueHkey(HKEY k) : k_(k) {}
    UniqueHkey(UniqueHkey&& o) noexcept : k_(std::exchange(o.k_, nullptr)) {}
    UniqueHkey& operator=(UniqueHkey&& o) noexcept {
        if (this != &o) {
            Reset();
            k_ = std::exchange(o.k_, nullptr);
        }
        return *this;
    }
    UniqueHkey(const UniqueHkey&) = delete;
    UniqueHkey& operator=(const UniqueHkey&) = delete;
    ~UniqueHkey() { Reset(); }

    HKEY get() const { return k_; }
    // For the out-parameter of RegOpenKeyExW and RegCreateKeyExW.
    HKEY* put() {
        Reset();
        return &k_;
    }
    explicit operator bool() const { return k_ != nullptr; }
    void Reset() {
        if (k_)
            RegCloseKey(k_);
        k_ = nullptr;
    }

  private:
    HKEY k_ = nullptr;
};

}  // namespace tessaro::win32
