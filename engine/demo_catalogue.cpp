#include "engine/demo_catalogue.h"

#include <array>
#include <string>

namespace tessaro {
namespace {

// Sorted by display name; the map prefixes (the lower-case "v" included) are the
// game's own map names.
constexpr std::array<Demo, 35> kDemos{{
    {1, "Arsenal", "DM-Arsenal", 125},
    {2, "Avalanche", "WAR-Avalanche", 140},
    {3, "Biohazard", "DM-Biohazard", 110},
    {4, "CarbonFire", "DM-CarbonFire", 60},
    {5, "Containment", "vCTF-Containment", 140},
    {6, "Coret", "CTF-Coret", 110},
    {7, "Corruption", "vCTF-Corruption", 130},
    {8, "Defiance", "DM-Defiance", 120},
    {9, "Deimos", "DM-Deimos", 105},
    {10, "Diesel", "DM-Diesel", 90},
    {11, "Downtown", "WAR-Downtown", 110},
    {12, "Dusk", "WAR-Dusk", 125},
    {13, "Fearless", "DM-Fearless", 105},
    {14, "Floodgate", "WAR-Floodgate", 130},
    {15, "Gateway", "DM-Gateway", 140},
    {16, "HeatRay", "DM-HeatRay", 125},
    {17, "Hydrosis", "CTF-Hydrosis", 120},
    {18, "Kargo", "vCTF-Kargo", 110},
    {19, "MarketDistrict", "WAR-MarketDistrict", 120},
    {20, "Necropolis", "vCTF-Necropolis", 120},
    {21, "OmicronDawn", "CTF-OmicronDawn", 80},
    {22, "OnyxCoast", "WAR-OnyxCoast", 120},
    {23, "PowerSurge", "WAR-PowerSurge", 105},
    {24, "Reflection", "CTF-Reflection", 120},
    {25, "Sanctuary", "DM-Sanctuary", 130},
    {26, "Sandstorm", "vCTF-Sandstorm", 120},
    {27, "Sentinel", "DM-Sentinel", 105},
    {28, "Serenity", "WAR-Serenity", 80},
    {29, "ShangriLa", "DM-ShangriLa", 105},
    {30, "Sinkhole", "WAR-Sinkhole", 60},
    {31, "Strident", "CTF-Strident", 34},
    {32, "Suspense", "vCTF-Suspense", 80},
    {33, "TankCrossing", "WAR-TankCrossing", 120},
    {34, "Torlan", "WAR-Torlan", 120},
    {35, "Vertebrae", "CTF-Vertebrae", 125},
}};

}  // namespace

std::span<const Demo> DemoCatalogue() {
    return kDemos;
}

void LookUpDemo(const MainControls& controls, BenchmarkBatch& batch) {
    for (const Demo& d : kDemos) {
        if (controls.demo != d.Position - 1)
            continue;
        batch.DemoName = d.DisplayName;
        batch.MapName = d.MapName;
        batch.RunSeconds = std::to_string(d.RunSeconds);
    }
}

}  // namespace tessaro
