#include "standin/core/particles.h"

#include <algorithm>
#include <cmath>

namespace tessaro::standin {
namespace {

float Unit(std::uint32_t& state) {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return static_cast<float>(state >> 8) * (1.0f / 16777216.0f);
}

}  // namespace

ParticleSystem::ParticleSystem(const Scene& scene, bool hardwarePhysics, std::uint32_t seed)
    : scene_(scene) {
    particles_.resize(hardwarePhysics ? kHardwareCount : kSoftwareCount);
    for (size_t i = 0; i < particles_.size(); ++i) {
        Particle& particle = particles_[i];
        particle.random = (seed ^ static_cast<std::uint32_t>(i * 2654435761u)) | 1u;
        Respawn(particle);
        particle.life *= Unit(particle.random);  // stagger the first generation
    }
}

void ParticleSystem::Respawn(Particle& particle) const {
    const Pillar& pillar =
        scene_.pillars[static_cast<size_t>(particle.random % scene_.pillars.size())];
    float r = Unit(particle.random);
    particle.position = {pillar.low.x + (pillar.high.x - pillar.low.x) * r, pillar.high.y + 0.2f,
                         pillar.low.z + (pillar.high.z - pillar.low.z) * Unit(particle.random)};
    particle.velocity = {(Unit(particle.random) - 0.5f) * 8, 4 + 6 * Unit(particle.random),
                         (Unit(particle.random) - 0.5f) * 8};
    particle.life = 2 + 3 * Unit(particle.random);
    auto heat = static_cast<std::uint32_t>(155 + 100 * Unit(particle.random));
    particle.colour = 0xFF000000u | (255u << 16) | (heat << 8) | 60u;
}

void ParticleSystem::Collide(Particle& particle) const {
    Vec3& p = particle.position;
    Vec3& v = particle.velocity;
    float ground = Scene::GroundHeight(p.x, p.z);
    if (p.y < ground) {
        p.y = ground;
        v.y = std::fabs(v.y) * 0.45f;
        v.x *= 0.8f;
        v.z *= 0.8f;
    }
    for (const Pillar& pillar : scene_.pillars) {
        if (p.x <= pillar.low.x || p.x >= pillar.high.x || p.y <= pillar.low.y ||
            p.y >= pillar.high.y || p.z <= pillar.low.z || p.z >= pillar.high.z) {
            continue;
        }
        // Push out through the nearest face and reflect the velocity across it.
        float depths[6] = {p.x - pillar.low.x,  pillar.high.x - p.x, p.y - pillar.low.y,
                           pillar.high.y - p.y, p.z - pillar.low.z,  pillar.high.z - p.z};
        int face = static_cast<int>(std::min_element(depths, depths + 6) - depths);
        switch (face) {
            case 0:
                p.x = pillar.low.x;
                v.x = -std::fabs(v.x) * 0.6f;
                break;
            case 1:
                p.x = pillar.high.x;
                v.x = std::fabs(v.x) * 0.6f;
                break;
            case 2:
                p.y = pillar.low.y;
                v.y = -std::fabs(v.y) * 0.6f;
                break;
            case 3:
                p.y = pillar.high.y;
                v.y = std::fabs(v.y) * 0.6f;
                break;
            case 4:
                p.z = pillar.low.z;
                v.z = -std::fabs(v.z) * 0.6f;
                break;
            default:
                p.z = pillar.high.z;
                v.z = std::fabs(v.z) * 0.6f;
                break;
        }
    }
}

void ParticleSystem::Step(size_t begin, size_t end, float dt) {
    end = std::min(end, particles_.size());
    for (size_t i = begin; i < end; ++i) {
        Particle& particle = particles_[i];
        particle.life -= dt;
        if (particle.life <= 0) {
            Respawn(particle);
            continue;
        }
        particle.velocity.y -= 9.81f * dt;
        particle.position = particle.position + particle.velocity * dt;
        Collide(particle);
    }
}

}  // namespace tessaro::standin
