#include "engine/launch_command.h"

#include <exception>
#include <utility>

#include "engine/resolution_slots.h"
#include "ui/main_window.h"

namespace tessaro {
namespace {

// The game's contract: every piece and every blank between them is fixed.
constexpr const char* kSteamHead = "steam.exe -silent -applaunch 13210 ";
constexpr const char* kFlyby = "?causeevent=FlyThrough?quickstart=1?nocustomchars=1?numplay=";
constexpr const char* kBotmatch = "?numplay=12?timelimit=5?automatedperftesting=1";
constexpr const char* kCommonSwitches =
    " -unattended -novsync -fixedseed -CaptureFPSChartInfo=1 -nomoviestartup";

}  // namespace

LaunchCommand BuildLaunchCommand(const LaunchInputs& in) {
    const bool steam = in.GameEdition == "Steam";
    LaunchCommand c;
    c.CommandLine = steam ? in.SteamFolder + kSteamHead : in.GameExePath + " ";
    c.CommandLine += in.MapName;
    if (in.Botmatch)
        c.CommandLine += kBotmatch;
    else
        c.CommandLine += kFlyby + in.NumPlay;
    c.CommandLine += " -seconds=" + in.RunSeconds;
    c.CommandLine += in.ResolutionSwitches;
    c.CommandLine += kCommonSwitches;
    if (in.OneThread)
        c.CommandLine += " -onethread";
    c.WorkingFolder = steam ? in.SteamFolder : in.GameFolder;
    return c;
}

LaunchCommand BuildLaunchCommand(const MainWindow& mw, const ResolutionSlot& slot) {
    LaunchInputs in;
    in.GameEdition = mw.GameEdition;
    in.GameExePath = mw.locations.GameExePath;
    in.GameFolder = mw.locations.GameFolder;
    in.SteamFolder = mw.locations.SteamFolder;
    in.MapName = mw.batch.MapName;
    in.RunSeconds = mw.batch.RunSeconds;
    in.NumPlay = mw.batch.NumPlay;
    in.Botmatch = mw.controls.BOTBox.ticked;
    in.OneThread = mw.OneThread;
    in.ResolutionSwitches = SlotTexts(slot, mw.controls).ResolutionSwitches;
    return BuildLaunchCommand(in);
}

StartOutcome StartGame(MainWindow& mw, const LaunchCommand& command, std::function<void()> onEnd) {
    try {
        return mw.ports.processes.StartWatched(command.CommandLine, command.WorkingFolder,
                                               std::move(onEnd));
    } catch (const std::exception& e) {
        // The caller decides what a failed start means for the batch.
        return {false, e.what()};
    }
}

}  // namespace tessaro
