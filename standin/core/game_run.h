#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace tessaro::standin {

// The stand-in game's exit codes.
enum GameExit : int {
    kGameExitOk = 0,
    kGameExitBadCommandLine = 2,  // no map, a bad number, an unsafe map name
    kGameExitCrashed = 3,         // the script asked for a crash
    kGameExitBadScript = 4,       // the script cannot be read or has a line of no known form
    kGameExitProfileFailed = 5,   // no documents folder, or the profile cannot be written
};

// Everything a start of the game takes from its process.
struct GameStart {
    std::string commandLine;                // as the process received it, UTF-8, executable first
    std::string workingFolder;              // UTF-8
    std::filesystem::path documentsFolder;  // empty when the shell gave none
    std::optional<std::string> secondsOverride;     // UT3_STANDIN_SECONDS
    std::optional<std::filesystem::path> startLog;  // UT3_STANDIN_LOG
    std::optional<std::filesystem::path> script;    // UT3_STANDIN_SCRIPT
};

// One start of the stand-in game: log the start, follow the script, read the command line
// and the profile, render the flythrough and write the statistics files. Messages go to
// standard error; the result is the exit code.
int RunGame(const GameStart& start);

}  // namespace tessaro::standin
