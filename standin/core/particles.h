#pragma once

#include <cstdint>
#include <vector>

#include "standin/core/scene.h"

namespace tessaro::standin {

// Sparks thrown from the pillar tops that fall, bounce on the ground and off the pillars.
// Hardware physics asks for many more of them. Each particle carries its own random state,
// so the result does not depend on how the work is split between threads.
class ParticleSystem {
  public:
    ParticleSystem(const Scene& scene, bool hardwarePhysics, std::uint32_t seed);

    size_t Count() const { return particles_.size(); }
    // Advances particles [begin, end) by dt seconds.
    void Step(size_t begin, size_t end, float dt);

    struct Particle {
        Vec3 position;
        Vec3 velocity;
        float life = 0;
        std::uint32_t random = 1;
        std::uint32_t colour = 0;
    };
    const std::vector<Particle>& Particles() const { return particles_; }

    static constexpr size_t kSoftwareCount = 1500;
    static constexpr size_t kHardwareCount = 40000;

  private:
    void Respawn(Particle& particle) const;
    void Collide(Particle& particle) const;

    const Scene& scene_;
    std::vector<Particle> particles_;
};

}  // namespace tessaro::standin
