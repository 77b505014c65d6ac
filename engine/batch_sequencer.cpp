#include "engine/batch_sequencer.h"

#include <algorithm>
#include <exception>
#include <string>

#include "engine/demo_catalogue.h"
#include "engine/launch_command.h"
#include "engine/run_gate.h"
#include "results/report_writer.h"
#include "results/results_chart.h"
#include "results/stats_reader.h"
#include "settings/profile_tweaks.h"
#include "ui/main_window.h"

namespace tessaro {
namespace {

constexpr const char* kSettingsKey = "\\SOFTWARE\\Veltrane\\Tessaro";
constexpr const char* kNoSlotMessage = "ERROR. Please, choose a resolution of UT3.";
constexpr int kStepWaitMs = 1000;

void SelectSettingsKey(MainWindow& mw, bool create) {
    mw.ports.registry.SelectRoot(RegistryRoot::LocalMachine);
    // Only the settings writes that may follow care whether the key opened.
    (void)mw.ports.registry.OpenKey(kSettingsKey, create);
}

void ShowStep(MainWindow& mw, const std::string& text) {
    mw.controls.Label2 = text;
    mw.ports.window.Repaint();
}

// "Runs: total/next": the total first, then the run about to start.
void ShowRunCounter(MainWindow& mw, int nextRun) {
    const int runs = EffectiveRunsPerSlot(mw);
    if (runs <= 1)
        return;
    mw.controls.RunsLabel = "Runs: " + std::to_string(runs) + "/" + std::to_string(nextRun);
    mw.ports.window.Repaint();
}

int CountSelectedSlots(const MainControls& controls) {
    const auto slots = ResolutionSlots();
    return static_cast<int>(std::count_if(
        slots.begin(), slots.end(), [&](const auto& s) { return IsSlotSelected(s, controls); }));
}

void Wait(MainWindow& mw) {
    mw.ports.clock.Sleep(kStepWaitMs);
}

// The steps between StartBatch's checks and its first launch.
void PrepareAndLaunch(MainWindow& mw) {
    ShowRunCounter(mw, 1);

    SelectSettingsKey(mw, false);
    mw.controls.ProgressPanelVisible = true;
    mw.ports.window.Repaint();

    // The stamp and the start text each read the clock, one after the other.
    mw.batch.Stamp = FormatStamp(mw.ports.clock.Now());
    mw.batch.StartedText = FormatStartedText(mw, mw.ports.clock.Now());

    BeginReport(mw);
    LaunchFrom(mw, FirstSlot());
}

// One game exit: count it, record it, and launch the next run or finish.
void AdvanceAfterRun(MainWindow& mw) {
    if (mw.GameEdition == "Steam")
        WaitForGameExit(mw);
    Wait(mw);

    const ResolutionSlot* slot = SlotByTag(mw.batch.CurrentTag);
    if (slot == nullptr) {
        // Nothing could launch the next run: end cleanly instead of hanging.
        AbortBatch(mw, "ERROR. The benchmark lost track of its resolution \"" +
                           mw.batch.CurrentTag + "\".");
        return;
    }

    BenchmarkBatch& b = mw.batch;
    ++b.RunsDoneInSlot;
    if (b.RunsDoneInSlot == 1)
        b.CaptionWritten = false;

    if (b.RunsDoneInSlot < EffectiveRunsPerSlot(mw)) {
        RecordRunResult(mw);
        ShowRunCounter(mw, b.RunsDoneInSlot + 1);
        Wait(mw);
        LaunchFrom(mw, slot);
        return;
    }

    // Counted before the run is recorded, so the end-of-batch test sees it.
    ++b.CompletedSlots;
    if (IsCustom(*slot) || b.CompletedSlots == b.SelectedSlots) {
        Wait(mw);
        RecordRunResult(mw);
        return;
    }
    RecordRunResult(mw);
    b.RunsDoneInSlot = 0;
    b.CaptionWritten = false;
    ShowRunCounter(mw, 1);
    Wait(mw);
    LaunchFrom(mw, NextSlot(slot));
}

}  // namespace

int EffectiveRunsPerSlot(const MainWindow& mw) {
    return std::max(1, mw.RunsPerSlot);
}

void ResetBatch(MainWindow& mw) {
    const WindowRect r = mw.ports.window.NormalRect();
    BenchmarkBatch& b = mw.batch;
    b.SavedWidth = r.right - r.left;
    b.SavedHeight = r.bottom - r.top;
    b.SavedLeft = r.left;
    b.SavedTop = r.top;
    // Built, not assigned: g++ 12 at -O2 warns falsely (-Wrestrict) on assigning a
    // literal to a string.
    b.NumPlay = std::string("0");
    b.RunsDoneInSlot = 0;
    b.SelectedSlots = 0;
    b.CompletedSlots = 0;
    b.ScoreSum = 0;
}

void StartBatch(MainWindow& mw) {
    try {
        mw.SavedReportPath.clear();
        mw.NoReportReason.clear();

        ShowStep(mw, "Collecting system information...");
        SelectSettingsKey(mw, false);
        mw.controls.ProgressPanelVisible = true;
        mw.ports.window.Repaint();
        mw.controls.BenchButtonEnabled = false;

        ResetChart(mw.chart);
        BackupProfile(mw);
        LookUpDemo(mw.controls, mw.batch);
        ApplyProfileTweaks(mw);
        SetChartSubtitle(mw.chart, mw.batch.DemoName);
        BuildStatsPaths(mw);

        mw.batch.SelectedSlots = CountSelectedSlots(mw.controls);
        if (mw.batch.SelectedSlots <= 0) {
            mw.ports.dialogs.ShowMessage(kNoSlotMessage);
            mw.controls.ProgressPanelVisible = false;
            SelectSettingsKey(mw, true);
            mw.controls.BenchButtonEnabled = true;
            RestoreProfile(mw);
            mw.NoReportReason = kNoSlotMessage;
            mw.batch.Running = false;
            return;
        }

        mw.batch.Running = true;
        PrepareAndLaunch(mw);
    } catch (const std::exception& e) {
        AbortBatch(mw, std::string("ERROR. The benchmark could not be started: ") + e.what());
    }
}

void LaunchFrom(MainWindow& mw, const ResolutionSlot* slot) {
    while (slot != nullptr && !IsSlotSelected(*slot, mw.controls))
        slot = NextSlot(slot);
    if (slot == nullptr)
        return;

    const SlotTextSet texts = SlotTexts(*slot, mw.controls);
    ShowStep(mw, texts.ProgressText);
    mw.batch.CurrentTag = slot->Tag;
    mw.batch.ChartLabel = texts.ChartLabel;

    const LaunchCommand command = BuildLaunchCommand(mw, *slot);
    mw.batch.CommandLine = command.CommandLine;
    const StartOutcome started = StartGame(mw, command, [&mw] { cpTerminate(mw); });
    if (!started.started)
        AbortBatch(mw, "ERROR. The game could not be started: " + started.error +
                           "\nCommand line: " + command.CommandLine);
}

void cpTerminate(MainWindow& mw) {
    // An end reported after the batch was abandoned must not start another run.
    if (!mw.batch.Running)
        return;
    try {
        AdvanceAfterRun(mw);
    } catch (const std::exception& e) {
        AbortBatch(mw, std::string("ERROR. The benchmark stopped after a run: ") + e.what());
    }
}

void RecordRunResult(MainWindow& mw) {
    const BenchmarkBatch& b = mw.batch;
    mw.ports.window.SetBounds(b.SavedWidth, b.SavedHeight, b.SavedLeft, b.SavedTop);
    Wait(mw);

    RecordRunStats(mw);

    if (b.SelectedSlots == b.CompletedSlots) {
        FinishBatch(mw);
        mw.batch.Running = false;
    }
}

void AbortBatch(MainWindow& mw, const std::string& message) {
    std::string text = message + "\nThe benchmark has been stopped";
    try {
        RestoreProfile(mw);
        text += " and the game profile restored.";
    } catch (const std::exception& e) {
        // The panel and the button must come back all the same; the user is told.
        text += std::string(", but the game profile could not be restored: ") + e.what();
    }
    mw.controls.ProgressPanelVisible = false;
    mw.controls.BenchButtonEnabled = true;
    mw.ports.window.Repaint();
    mw.SavedReportPath.clear();
    mw.NoReportReason = text;
    mw.ports.dialogs.ShowMessage(text);
    mw.batch.Running = false;
}

}  // namespace tessaro
