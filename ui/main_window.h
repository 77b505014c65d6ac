#pragma once

#include <string>
#include <vector>

#include "engine/benchmark_batch.h"
#include "platform/canvas.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/display_modes.h"
#include "platform/event_loop.h"
#include "platform/file_system.h"
#include "platform/ini_file.h"
#include "platform/locale.h"
#include "platform/process_launcher.h"
#include "platform/process_list.h"
#include "platform/registry.h"
#include "platform/shell.h"
#include "platform/system_info.h"
#include "platform/window_frame.h"
#include "results/results_chart.h"
#include "settings/profile_locator.h"
#include "ui/main_controls.h"

namespace tessaro {

// The outside world, as the programs wire it: the real Win32 one, or fakes.
struct Ports {
    Clock& clock;
    Locale& locale;
    EventLoop& events;
    Dialogs& dialogs;
    FileSystem& files;
    IniFile& ini;
    ProcessLauncher& processes;
    ProcessList& processList;
    Shell& shell;
    SystemInfo& system;
    WindowFrame& window;
    CanvasFactory& canvases;
    Registry& registry;
    DisplayModes& displayModes;
};

inline const Rgb kBarColour{0, 111, 164};

// The main window's state and what it works with: every handler of the program
// takes it. Values fixed at start-up come first.
struct MainWindow {
    explicit MainWindow(Ports& p) : ports(p) {}

    Ports& ports;

    bool OneThread = false;
    std::string ProgramFolder;  // ends in a separator
    std::string GameEdition;    // "DVD", "Steam" or empty
    int RunsPerSlot = 0;        // 0 until the runs setting is loaded or chosen
    std::string FileVersion;    // the program's own version record

    MainControls controls;
    ProfileLocator locations;
    BenchmarkBatch batch;

    std::vector<std::string> reportLines;  // UTF-8; encoded when written
    ResultsChart chart;

    // Option lines of the report, set by the profile tweaks.
    std::string FilteringLine, PhysicsLine, MotionBlurLine;

    std::string LastRunValue;  // program-wide, never cleared by a batch
    std::string GraphicsText;  // recomputed at every batch start

    bool SteamRunning = false;
    bool GameRunning = false;

    std::vector<std::string> DisplayModeList;
    bool NewsShownThisRun = false;  // the news rule fires at most once per run

    // How the last batch ended, for the command-line driver's last line.
    std::string SavedReportPath;  // the report written by the last batch
    std::string NoReportReason;   // why none was written
};

}  // namespace tessaro
