#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tessaro::standin {

// What the game takes from its command line: the map URL with its "?" options, then
// blank-separated switches. Switch and option names are matched in any letter case.
struct GameOptions {
    std::string mapName;
    std::vector<std::pair<std::string, std::string>> urlOptions;  // in the order given
    bool botmatch = false;  // the automated performance test (automatedperftesting=1)
    double seconds = 10;
    int resX = 1024;
    int resY = 768;
    bool unattended = false;
    bool noVSync = false;
    bool fixedSeed = false;
    bool captureFpsChart = false;
    bool noMovieStartup = false;
    bool oneThread = false;
    std::vector<std::string> ignoredSwitches;  // switches this stand-in does not know
};

struct ParsedGameOptions {
    bool ok = false;
    GameOptions options;
    std::string error;  // why the command line was refused
};

inline constexpr int kMaxResolution = 8192;
inline constexpr long long kMaxPixels = 4096LL * 4096LL;
inline constexpr double kMaxSeconds = 24 * 3600.0;

// `arguments` is the command line without the executable (see ArgumentsTail).
ParsedGameOptions ParseGameArguments(std::string_view arguments);

// The value of a map URL option, empty when it is not given.
std::string UrlOption(const GameOptions& options, std::string_view name);

// The run length a test asks for instead of -seconds=; none when the text is no valid length.
bool ParseRunSeconds(std::string_view text, double& seconds);

}  // namespace tessaro::standin
