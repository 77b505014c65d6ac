#pragma once

#include <cmath>
#include <cstdint>

namespace tessaro::standin {

struct Vec3 {
    float x = 0, y = 0, z = 0;
};

inline Vec3 operator+(Vec3 a, Vec3 b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline Vec3 operator-(Vec3 a, Vec3 b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
inline Vec3 operator*(Vec3 a, float s) {
    return {a.x * s, a.y * s, a.z * s};
}
inline float Dot(Vec3 a, Vec3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
inline Vec3 Cross(Vec3 a, Vec3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline Vec3 Normalized(Vec3 a) {
    float length = std::sqrt(Dot(a, a));
    return length > 0 ? a * (1.0f / length) : a;
}

// A small, fast generator whose sequence is the same on every platform, so a fixed seed
// gives the same scene and camera path everywhere.
class Random {
  public:
    explicit Random(std::uint32_t seed) : state_(seed * 2654435761u + 1u) {}
    std::uint32_t Next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }
    // Uniform in [low, high).
    float Uniform(float low, float high) {
        return low + (high - low) * static_cast<float>(Next() >> 8) * (1.0f / 16777216.0f);
    }

  private:
    std::uint32_t state_;
};

}  // namespace tessaro::standin
