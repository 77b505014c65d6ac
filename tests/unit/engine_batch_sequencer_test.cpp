#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "engine/batch_sequencer.h"
#include "engine_batch_world.h"

namespace tessaro::fakes {
namespace {

using Strings = std::vector<std::string>;

TEST(BatchSequencer, LaunchesFollowTheTableAndTheRunCounterCountsEachSlot) {
    BatchWorld w;
    w.Tick({"hdw2", "1024"});  // ticked out of table order
    w.mw.RunsPerSlot = 3;
    w.mw.controls.RunNumberBox = 2;

    ResetBatch(w.mw);
    StartBatch(w.mw);
    ASSERT_TRUE(w.mw.batch.Running);
    w.window.rect = {0, 0, 20, 20};  // moved by the game's mode switch
    Strings labels{w.mw.controls.RunsLabel};
    Strings progress{w.mw.controls.Label2};
    while (w.processes.EndOne()) {
        labels.push_back(w.mw.controls.RunsLabel);
        progress.push_back(w.mw.controls.Label2);
    }

    EXPECT_EQ(w.LaunchedResolutions(),
              (Strings{"1024x768", "1024x768", "1024x768", "1920x1080", "1920x1080", "1920x1080"}));
    EXPECT_EQ(labels, (Strings{"Runs: 3/1", "Runs: 3/2", "Runs: 3/3", "Runs: 3/1", "Runs: 3/2",
                               "Runs: 3/3", "Runs: 3/3"}));
    const std::string x = kTimes;
    EXPECT_EQ(progress[0], "Resolution: 1024 " + x + " 768...");
    EXPECT_EQ(progress[3], "Resolution: 1920 " + x + " 1080...");
    EXPECT_FALSE(w.mw.batch.Running);
    EXPECT_EQ(w.mw.batch.SelectedSlots, 2);
    EXPECT_EQ(w.mw.batch.CompletedSlots, 2);
    EXPECT_EQ(w.mw.batch.RunsDoneInSlot, 3);
    // The DVD edition never looks at the process list.
    EXPECT_TRUE(w.processList.lookups.empty());
    // Every run puts the window back where it was when the button was clicked.
    ASSERT_EQ(w.window.setBounds.size(), 6u);
    EXPECT_EQ(w.window.setBounds[5].left, 100);
    EXPECT_EQ(w.window.setBounds[5].bottom, 485);
}

TEST(BatchSequencer, ThreeOneSecondWaitsBetweenRunsInTheDvdEdition) {
    struct Case {
        const char* what;
        int runs;
        std::initializer_list<const char*> slots;
    };
    const Case cases[] = {{"slot continues", 2, {"800"}}, {"next slot", 1, {"800", "1600"}}};
    for (const Case& c : cases) {
        BatchWorld w;
        w.Tick(c.slots);
        w.mw.RunsPerSlot = c.runs;
        ResetBatch(w.mw);
        StartBatch(w.mw);
        w.clock.sleeps.clear();
        ASSERT_TRUE(w.processes.EndOne());
        ASSERT_EQ(w.processes.starts.size(), 2u) << c.what;
        EXPECT_EQ(w.clock.sleeps, (std::vector<int>{1000, 1000, 1000})) << c.what;
    }
}

TEST(BatchSequencer, CustomSlotAloneRunsWithItsSwitchesAndEnds) {
    BatchWorld w;
    w.TickCustom("1280", "720");
    w.mw.RunsPerSlot = 2;
    ResetBatch(w.mw);
    StartBatch(w.mw);
    EXPECT_EQ(w.mw.controls.Label2, "Resolution: 1280 " + std::string(kTimes) + " 720 (Custom)...");
    EXPECT_EQ(w.EndAllRuns(), 2);
    EXPECT_EQ(w.LaunchedResolutions(), (Strings{"1280x720", "1280x720"}));
    EXPECT_EQ(w.mw.batch.CurrentTag, "custom");
    EXPECT_FALSE(w.mw.batch.Running);
    EXPECT_EQ(w.mw.batch.CompletedSlots, 1);
}

TEST(BatchSequencer, NoSlotSelectedShowsTheErrorAndRestoresTheProfile) {
    BatchWorld w;
    w.TickCustom("1280", "");  // ticked, but not a usable slot
    w.mw.reportLines = {"earlier batch"};
    ResetBatch(w.mw);
    StartBatch(w.mw);

    EXPECT_EQ(w.dialogs.messages, Strings{"ERROR. Please, choose a resolution of UT3."});
    EXPECT_TRUE(w.processes.starts.empty());
    EXPECT_FALSE(w.mw.batch.Running);
    EXPECT_FALSE(w.mw.controls.ProgressPanelVisible);
    EXPECT_TRUE(w.mw.controls.BenchButtonEnabled);
    EXPECT_EQ(w.mw.reportLines, Strings{"earlier batch"});
    // Only this path creates the settings key.
    EXPECT_TRUE(w.registry.HasKey(RegistryRoot::LocalMachine, "SOFTWARE\\Veltrane\\Tessaro"));
    EXPECT_TRUE(w.ProfileRestored());
}

TEST(BatchSequencer, SettingsKeyIsNotCreatedWhenSlotsAreSelected) {
    BatchWorld w;
    w.Tick({"800"});
    ResetBatch(w.mw);
    StartBatch(w.mw);
    EXPECT_FALSE(w.registry.HasKey(RegistryRoot::LocalMachine, "SOFTWARE\\Veltrane\\Tessaro"));
}

TEST(BatchSequencer, RunsWithoutStatisticsPagesStillCount) {
    // Which of the six runs leave a statistics page behind.
    const std::vector<std::vector<bool>> cases = {
        {true, true, true, true, true, true},
        {true, false, true, true, true, false},
        {false, false, false, false, false, false},
    };
    for (const auto& pages : cases) {
        BatchWorld w;
        w.Tick({"800", "hdw1"});
        w.mw.RunsPerSlot = 3;
        ResetBatch(w.mw);
        StartBatch(w.mw);
        std::size_t run = 0;
        while (w.mw.batch.Running && run < pages.size()) {
            const std::string& page = w.mw.batch.StatsFile;
            if (!page.empty())
                w.files.DeleteFile(page);
            if (pages[run] && !page.empty())
                w.files.AddFile(page, "<html></html>\r\n");
            ASSERT_TRUE(w.processes.EndOne());
            ++run;
        }
        EXPECT_EQ(run, 6u);
        EXPECT_EQ(w.processes.starts.size(), 6u);
        EXPECT_FALSE(w.mw.batch.Running);
        EXPECT_EQ(w.mw.batch.CompletedSlots, 2);
    }
}

TEST(BatchSequencer, RunsSettingNeverChosenRunsEachSlotOnce) {
    struct Case {
        std::initializer_list<const char*> slots;
        int launches;
    };
    const Case cases[] = {{{"800"}, 1}, {{"1280", "hdw3"}, 2}};
    for (const Case& c : cases) {
        BatchWorld w;
        w.Tick(c.slots);
        w.mw.RunsPerSlot = 0;
        w.mw.controls.RunNumberBox = kNoItem;
        w.mw.controls.RunsLabel = "untouched";
        ResetBatch(w.mw);
        StartBatch(w.mw);
        EXPECT_EQ(w.EndAllRuns(), c.launches);
        EXPECT_EQ(int(w.processes.starts.size()), c.launches);
        EXPECT_FALSE(w.mw.batch.Running);
        EXPECT_EQ(w.mw.controls.RunsLabel, "untouched");
    }
}

TEST(BatchSequencer, AGameThatCannotBeStartedEndsTheBatchCleanly) {
    struct Case {
        const char* what;
        std::size_t failingStart;  // 1: the first launch, 2: the second
    };
    const Case cases[] = {{"first launch", 1}, {"executable deleted mid-batch", 2}};
    for (const Case& c : cases) {
        BatchWorld w;
        w.Tick({"800", "1024"});
        w.processes.failWatched = c.failingStart == 1;
        ResetBatch(w.mw);
        StartBatch(w.mw);
        if (c.failingStart == 2) {
            w.files.DeleteFile(w.exe);
            w.processes.failWatched = true;
            ASSERT_TRUE(w.processes.EndOne());
        }

        EXPECT_EQ(w.processes.starts.size(), c.failingStart) << c.what;
        EXPECT_TRUE(w.processes.pendingEnds.empty()) << c.what;
        EXPECT_FALSE(w.mw.batch.Running) << c.what;
        EXPECT_FALSE(w.mw.controls.ProgressPanelVisible) << c.what;
        EXPECT_TRUE(w.mw.controls.BenchButtonEnabled) << c.what;
        EXPECT_TRUE(w.MessageContains("The system cannot find the file specified.")) << c.what;
        EXPECT_TRUE(w.MessageContains(w.exe)) << c.what;
        EXPECT_TRUE(w.ProfileRestored()) << c.what;
        EXPECT_FALSE(w.ReportWritten()) << c.what;
        EXPECT_NE(w.mw.NoReportReason, "") << c.what;
    }
}

TEST(BatchSequencer, AFailingPerRunStepEndsTheBatchCleanly) {
    BatchWorld w;
    w.Tick({"800", "1024"});
    ResetBatch(w.mw);
    StartBatch(w.mw);
    bool thrown = false;
    w.clock.onSleep = [&](int) {
        if (thrown)
            return;
        thrown = true;
        throw std::runtime_error("the statistics folder vanished");
    };
    ASSERT_TRUE(w.processes.EndOne());

    EXPECT_EQ(w.processes.starts.size(), 1u);
    EXPECT_FALSE(w.mw.batch.Running);
    EXPECT_FALSE(w.mw.controls.ProgressPanelVisible);
    EXPECT_TRUE(w.mw.controls.BenchButtonEnabled);
    EXPECT_TRUE(w.MessageContains("the statistics folder vanished"));
    EXPECT_TRUE(w.ProfileRestored());
    EXPECT_FALSE(w.ReportWritten());
}

TEST(BatchSequencer, StartShowsThePanelAndStampsTheBatch) {
    BatchWorld w;
    w.Tick({"2048"});
    w.mw.controls.RunsLabel = "untouched";
    ResetBatch(w.mw);
    StartBatch(w.mw);
    EXPECT_TRUE(w.mw.controls.ProgressPanelVisible);
    EXPECT_FALSE(w.mw.controls.BenchButtonEnabled);
    EXPECT_EQ(w.mw.controls.RunsLabel, "untouched");  // one run per slot: never written
    EXPECT_EQ(w.mw.batch.Stamp, "143005__09_12_2009");
    EXPECT_EQ(w.mw.batch.MapName, "CTF-Strident");
    EXPECT_EQ(w.mw.batch.CurrentTag, "2048");
    EXPECT_EQ(w.mw.batch.CommandLine, w.processes.starts.at(0).commandLine);
}

TEST(BatchSequencer, ResetKeepsTheWindowRectangleAndClearsTheCounters) {
    FakeWorld w;
    w.window.rect = {100, 50, 710, 485};
    w.mw.batch.NumPlay = "7";
    w.mw.batch.RunsDoneInSlot = w.mw.batch.CompletedSlots = w.mw.batch.SelectedSlots = 3;
    w.mw.batch.ScoreSum = 99;
    ResetBatch(w.mw);
    const BenchmarkBatch& b = w.mw.batch;
    EXPECT_EQ((std::vector<int>{b.SavedWidth, b.SavedHeight, b.SavedLeft, b.SavedTop}),
              (std::vector<int>{610, 435, 100, 50}));
    EXPECT_EQ(b.NumPlay, "0");
    EXPECT_EQ(b.RunsDoneInSlot + b.CompletedSlots + b.SelectedSlots + b.ScoreSum, 0);
}

}  // namespace
}  // namespace tessaro::fakes
