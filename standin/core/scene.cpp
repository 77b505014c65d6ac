#include "standin/core/scene.h"

#include <cmath>

namespace tessaro::standin {
namespace {

constexpr int kGroundCells = 24;
constexpr int kPillarCount = 28;
constexpr float kLoopSeconds = 14;
const Vec3 kSun = Normalized({0.4f, 0.8f, 0.3f});

float Shade(Vec3 a, Vec3 b, Vec3 c) {
    Vec3 normal = Normalized(Cross(b - a, c - a));
    return 0.35f + 0.65f * std::fabs(Dot(normal, kSun));
}

}  // namespace

Scene::Scene(std::uint32_t seed) {
    Random random(seed);
    textures.push_back(Texture::Make(Texture::Pattern::Ground, 8, random.Next()));
    textures.push_back(Texture::Make(Texture::Pattern::Brick, 7, random.Next()));
    pathRadiusX_ = random.Uniform(34, 46);
    pathRadiusZ_ = random.Uniform(24, 34);
    pathWobble_ = random.Uniform(2, 6);
    pathPhase_ = random.Uniform(0, 6.2831853f);

    AddGround();
    int placed = 0;
    for (int attempt = 0; placed < kPillarCount && attempt < 1000; ++attempt) {
        float x = random.Uniform(-70, 70);
        float z = random.Uniform(-70, 70);
        float half = random.Uniform(1.0f, 2.5f);
        float height = random.Uniform(6, 20);
        // Keep the pillars off the camera's path.
        bool clear = true;
        for (int step = 0; step < 64 && clear; ++step) {
            Vec3 p = PathPoint(kLoopSeconds * static_cast<double>(step) / 64.0);
            clear = std::hypot(p.x - x, p.z - z) > half + 5;
        }
        if (!clear)
            continue;
        float base = GroundHeight(x, z) - 1;
        AddPillar({x - half, base, z - half}, {x + half, base + height, z + half});
        ++placed;
    }
}

float Scene::GroundHeight(float x, float z) {
    return 2.5f * std::sin(x * 0.07f) * std::cos(z * 0.05f) + 1.2f * std::sin((x + z) * 0.13f);
}

void Scene::AddGround() {
    const float cell = 2 * kExtent / kGroundCells;
    auto vertex = [&](int i, int j) {
        float x = -kExtent + static_cast<float>(i) * cell;
        float z = -kExtent + static_cast<float>(j) * cell;
        return SceneVertex{{x, GroundHeight(x, z), z}, x / 8, z / 8};
    };
    for (int j = 0; j < kGroundCells; ++j) {
        for (int i = 0; i < kGroundCells; ++i) {
            SceneVertex a = vertex(i, j), b = vertex(i + 1, j), c = vertex(i + 1, j + 1),
                        d = vertex(i, j + 1);
            triangles.push_back({{a, b, c}, 0, Shade(a.position, b.position, c.position)});
            triangles.push_back({{a, c, d}, 0, Shade(a.position, c.position, d.position)});
        }
    }
}

void Scene::AddPillar(Vec3 low, Vec3 high) {
    pillars.push_back({low, high});
    auto quad = [&](Vec3 a, Vec3 b, Vec3 c, Vec3 d, float width, float height) {
        SceneVertex va{a, 0, 0}, vb{b, width / 4, 0}, vc{c, width / 4, height / 4},
            vd{d, 0, height / 4};
        float shade = Shade(a, b, c);
        triangles.push_back({{va, vb, vc}, 1, shade});
        triangles.push_back({{va, vc, vd}, 1, shade});
    };
    const float w = high.x - low.x, h = high.y - low.y, d = high.z - low.z;
    quad({low.x, low.y, low.z}, {high.x, low.y, low.z}, {high.x, high.y, low.z},
         {low.x, high.y, low.z}, w, h);
    quad({high.x, low.y, high.z}, {low.x, low.y, high.z}, {low.x, high.y, high.z},
         {high.x, high.y, high.z}, w, h);
    quad({low.x, low.y, high.z}, {low.x, low.y, low.z}, {low.x, high.y, low.z},
         {low.x, high.y, high.z}, d, h);
    quad({high.x, low.y, low.z}, {high.x, low.y, high.z}, {high.x, high.y, high.z},
         {high.x, high.y, low.z}, d, h);
    quad({low.x, high.y, low.z}, {high.x, high.y, low.z}, {high.x, high.y, high.z},
         {low.x, high.y, high.z}, w, d);
}

Vec3 Scene::PathPoint(double seconds) const {
    const double angle = seconds / kLoopSeconds * 6.283185307179586 + pathPhase_;
    const float x = pathRadiusX_ * static_cast<float>(std::cos(angle)) +
                    pathWobble_ * static_cast<float>(std::sin(3 * angle));
    const float z = pathRadiusZ_ * static_cast<float>(std::sin(angle));
    const float y = GroundHeight(x, z) + 5 + 1.5f * static_cast<float>(std::sin(2 * angle));
    return {x, y, z};
}

Camera Scene::CameraAt(double seconds) const {
    Camera camera;
    camera.position = PathPoint(seconds);
    Vec3 ahead = PathPoint(seconds + 0.4);
    Vec3 further = PathPoint(seconds + 0.8);
    ahead.y -= 1.5f;
    camera.forward = Normalized(ahead - camera.position);
    camera.right = Normalized(Cross({0, 1, 0}, camera.forward));
    camera.up = Cross(camera.forward, camera.right);
    Vec3 later = Normalized(further - ahead);
    float turn = Cross(camera.forward, later).y;
    camera.yawRate = turn / 0.4f;
    return camera;
}

}  // namespace tessaro::standin
