#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tessaro::standin {

// The stand-in Steam client's exit codes.
enum SteamExit : int {
    kSteamExitOk = 0,
    kSteamExitUnknownArguments = 2,
    kSteamExitRegistryFailed = 3,  // SteamPath could not be recorded
    kSteamExitNoGamePath = 4,      // "standin-game.txt" missing or empty
    kSteamExitLaunchFailed = 5,    // the game could not be started
};

// What a start of the client is asked to do.
struct SteamRequest {
    enum class Kind { Resident, AppLaunch, Unknown };
    Kind kind = Kind::Unknown;
    std::string gameArguments;  // AppLaunch: exactly what followed "13210 "
};

inline constexpr std::string_view kAppLaunchPrefix = "-silent -applaunch 13210";

// `arguments` is the command line without the executable (see ArgumentsTail).
SteamRequest ParseSteamArguments(std::string_view arguments);

// The client's folder as it records it: forward slashes, no trailing slash.
std::string SteamPathValue(std::string_view folder);

// The game executable named by the first line of "standin-game.txt", blanks trimmed.
std::optional<std::string> GamePathFromFile(std::string_view fileText);

// The command line the game is started with, and the folder it runs in.
std::string GameCommandLine(std::string_view gamePath, std::string_view gameArguments);
std::string GameFolder(std::string_view gamePath);

}  // namespace tessaro::standin
