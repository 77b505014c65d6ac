#pragma once

#include <functional>
#include <string>

#include "engine/resolution_slots.h"
#include "platform/process_launcher.h"

namespace tessaro {

struct MainWindow;

struct LaunchCommand {
    std::string CommandLine;
    std::string WorkingFolder;
};

// Everything the game's command line is made of, read when the command is built.
struct LaunchInputs {
    std::string GameEdition;
    std::string GameExePath;
    std::string GameFolder;
    std::string SteamFolder;
    std::string MapName;
    std::string RunSeconds;
    std::string NumPlay;
    bool Botmatch = false;
    bool OneThread = false;
    std::string ResolutionSwitches;
};

LaunchCommand BuildLaunchCommand(const LaunchInputs& in);
// The inputs as the main window holds them now, for one slot.
LaunchCommand BuildLaunchCommand(const MainWindow& mw, const ResolutionSlot& slot);

// Starts the game hidden; onEnd runs on the user-interface thread after it ended.
[[nodiscard]] StartOutcome StartGame(MainWindow& mw, const LaunchCommand& command,
                                     std::function<void()> onEnd);

}  // namespace tessaro
