#pragma once

#include <cstdint>
#include <vector>

#include "standin/core/texture.h"
#include "standin/core/vec.h"

namespace tessaro::standin {

struct SceneVertex {
    Vec3 position;
    float u = 0, v = 0;
};

struct SceneTriangle {
    SceneVertex corner[3];
    int texture = 0;       // index into Scene::textures
    float brightness = 1;  // the sun on the face
};

struct Pillar {
    Vec3 low;   // minimum corner
    Vec3 high;  // maximum corner
};

struct Camera {
    Vec3 position;
    Vec3 forward, right, up;
    float yawRate = 0;  // radians per second, for the motion blur
};

// The flythrough's world: rolling textured ground and brick pillars laid out from a seed,
// and a looping camera path between them.
class Scene {
  public:
    explicit Scene(std::uint32_t seed);

    static float GroundHeight(float x, float z);
    Camera CameraAt(double seconds) const;

    std::vector<SceneTriangle> triangles;
    std::vector<Pillar> pillars;
    std::vector<Texture> textures;
    static constexpr float kExtent = 80;  // the ground covers -kExtent..kExtent

  private:
    Vec3 PathPoint(double seconds) const;
    void AddGround();
    void AddPillar(Vec3 low, Vec3 high);

    float pathRadiusX_ = 40;
    float pathRadiusZ_ = 30;
    float pathWobble_ = 0;
    float pathPhase_ = 0;
};

}  // namespace tessaro::standin
