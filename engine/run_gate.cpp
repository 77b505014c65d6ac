#include "engine/run_gate.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "engine/batch_sequencer.h"
#include "ui/main_window.h"

namespace tessaro {
namespace {

constexpr int kRunSteamNow = 100;
constexpr int kDoNotRunSteam = 101;
constexpr int kSteamStartWaitMs = 30000;
constexpr int kGameLookWaitMs = 5000;
constexpr const char* kGameImage = "ut3.exe";

TaskDialogSpec Notice(const std::string& title, const std::string& instruction,
                      const std::string& content) {
    TaskDialogSpec d;
    d.title = title;
    d.icon = DialogIcon::Warning;
    d.instruction = instruction;
    d.content = content;
    d.okButton = true;
    return d;
}

TaskDialogSpec SteamQuestion() {
    TaskDialogSpec d;
    d.title = "Benchmark Warning";
    d.icon = DialogIcon::Warning;
    d.instruction = "Error! The STEAM not running.";
    d.content = "If you want to load the Steam now, please click the button below.";
    d.customButtons = {{kRunSteamNow, "Run Steam now."}, {kDoNotRunSteam, "Do not run the Steam."}};
    d.defaultButton = kRunSteamNow;
    d.commandLinks = true;
    return d;
}

// The Steam client is not running: offer to start it. No batch starts either way;
// the user clicks the run button again once Steam is up.
void OfferSteamStart(MainWindow& mw) {
    Dialogs& dialogs = mw.ports.dialogs;
    if (dialogs.ShowTaskDialog(SteamQuestion()).button == kRunSteamNow) {
        (void)dialogs.ShowTaskDialog(
            Notice("Loading Steam", "Steam is loading...",
                   "Please wait while the Steam successfully loaded. After that click RUN again."));
        StartSteamClient(mw);
    } else {
        (void)dialogs.ShowTaskDialog(
            Notice("Benchmark Warning", "Error. Steam is not runing.",
                   "Please RUN the Steam (online or offline) before bench."));
    }
    mw.controls.BenchButtonEnabled = true;
}

}  // namespace

void BenchButtonClick(MainWindow& mw) {
    // The button is disabled while a batch runs; a second batch must never start.
    if (mw.batch.Running)
        return;

    if (!AcceptGamePath(mw))
        return;

    ResetBatch(mw);
    if (mw.GameEdition != "Steam") {
        StartBatch(mw);
        return;
    }
    IsSteamRunning(mw);
    if (mw.SteamRunning) {
        StartBatch(mw);
        return;
    }
    OfferSteamStart(mw);
}

bool AcceptGamePath(MainWindow& mw) {
    const std::string& path = mw.controls.UT3PathEdit;
    // The request text is refused even if a file of that name exists.
    if (path != kPathRequest && mw.ports.files.FileExists(path))
        return true;
    mw.controls.ProgressPanelVisible = false;
    mw.controls.BenchButtonEnabled = true;
    mw.controls.PageIndex = 0;  // Paths & information
    mw.ports.dialogs.ShowMessage("ERROR. Please define the path of UT3.exe.");
    return false;
}

void IsSteamRunning(MainWindow& mw) {
    const auto names = mw.ports.processList.ImageNames();
    if (!names)
        return;  // the last answer stands

    std::string joined;
    for (const std::string& n : *names)
        joined += n + "\n";
    std::transform(joined.begin(), joined.end(), joined.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    mw.SteamRunning = joined.find("steam.exe") != std::string::npos;
}

void PollGame(MainWindow& mw) {
    if (!mw.ports.processList.FirstIsRunning(kGameImage)) {
        mw.GameRunning = false;
        return;
    }
    mw.ports.clock.Sleep(kGameLookWaitMs);
    mw.GameRunning = true;
    mw.ports.events.ProcessMessages();
}

void WaitForGameExit(MainWindow& mw) {
    mw.ports.clock.Sleep(kSteamStartWaitMs);
    mw.ports.events.ProcessMessages();
    PollGame(mw);
    while (mw.GameRunning)
        PollGame(mw);
}

void StartSteamClient(MainWindow& mw) {
    const std::string& folder = mw.locations.SteamFolder;
    const StartOutcome outcome =
        mw.ports.processes.StartAndWaitUntilIdle(folder + "steam.exe", folder);
    if (!outcome.started)
        mw.controls.BenchButtonEnabled = true;
}

}  // namespace tessaro
