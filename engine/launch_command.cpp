// Placeholder until the command builder lands.
#include "engine/launch_command.h"
namespace tessaro {
LaunchCommand BuildLaunchCommand(const LaunchInputs&) { return {}; }
LaunchCommand BuildLaunchCommand(const MainWindow&, const ResolutionSlot&) { return {}; }
StartOutcome StartGame(MainWindow&, const LaunchCommand&, std::function<void()>) { return {}; }
}  // namespace tessaro
