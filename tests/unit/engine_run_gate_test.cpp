#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "engine/run_gate.h"
#include "engine_batch_world.h"

namespace tessaro::fakes {
namespace {

using Strings = std::vector<std::string>;

TEST(RunGate, RefusedGamePathStartsNothing) {
    struct Case {
        const char* what;
        std::string path;
    };
    const Case cases[] = {
        {"request text, even with such a file", kPathRequest},
        {"file deleted since it was chosen", "C:\\Games\\UT3\\Binaries\\UT3.exe"},
        {"empty", ""},
    };
    for (const Case& c : cases) {
        BatchWorld w;
        w.Tick({"800"});
        w.files.AddFile(kPathRequest, "MZ");
        w.files.DeleteFile(w.exe);
        w.mw.controls.UT3PathEdit = c.path;
        w.mw.controls.ProgressPanelVisible = true;
        w.mw.controls.BenchButtonEnabled = false;
        w.mw.batch.NumPlay = "untouched";
        BenchButtonClick(w.mw);

        EXPECT_EQ(w.dialogs.messages, Strings{"ERROR. Please define the path of UT3.exe."})
            << c.what;
        EXPECT_EQ(w.mw.controls.PageIndex, 0) << c.what;
        EXPECT_FALSE(w.mw.controls.ProgressPanelVisible) << c.what;
        EXPECT_TRUE(w.mw.controls.BenchButtonEnabled) << c.what;
        EXPECT_EQ(w.mw.batch.NumPlay, "untouched") << c.what;
        EXPECT_TRUE(w.processes.starts.empty()) << c.what;
    }
}

TEST(RunGate, DvdEditionNeverLooksForSteamOrTheGame) {
    for (const char* edition : {"DVD", "", "steam"}) {
        BatchWorld w;
        w.Tick({"800"});
        w.mw.GameEdition = edition;
        w.mw.batch.NumPlay = "7";
        w.processList.names = Strings{"explorer.exe"};
        BenchButtonClick(w.mw);
        EXPECT_EQ(w.mw.batch.NumPlay, "0") << edition;
        ASSERT_EQ(w.processes.starts.size(), 1u) << edition;
        EXPECT_EQ(w.processes.starts[0].workingFolder, "C:\\Games\\UT3\\Binaries\\") << edition;
        w.EndAllRuns();
        EXPECT_TRUE(w.processList.lookups.empty()) << edition;
        EXPECT_TRUE(w.dialogs.taskDialogs.empty()) << edition;
    }
}

TEST(RunGate, SteamClientIsFoundByAnyNameContainingSteamExe) {
    struct Case {
        std::optional<Strings> names;
        bool before, after;
    };
    const Case cases[] = {
        {Strings{"explorer.exe", "Steam.exe"}, false, true},
        {Strings{"STEAM.EXE"}, false, true},
        {Strings{"oldsteam.exe.bak"}, false, true},
        {Strings{"steam.ex", "e"}, true, false},  // one name per line: no match across names
        {Strings{"steamwebhelper.exe"}, true, false},
        {std::nullopt, true, true},  // no list: the last answer stands
        {std::nullopt, false, false},
    };
    for (const Case& c : cases) {
        FakeWorld w;
        w.processList.names = c.names;
        w.mw.SteamRunning = c.before;
        IsSteamRunning(w.mw);
        EXPECT_EQ(w.mw.SteamRunning, c.after) << (c.names ? c.names->front() : "no list");
    }
}

TEST(RunGate, SteamRunningStartsTheBatchThroughTheSteamClient) {
    BatchWorld w;
    w.Tick({"800"});
    w.mw.GameEdition = "Steam";
    w.processList.names = Strings{"Steam.exe"};
    BenchButtonClick(w.mw);
    ASSERT_EQ(w.processes.starts.size(), 1u);
    EXPECT_EQ(w.processes.starts[0].commandLine.rfind(
                  "c:/program files/steam/steam.exe -silent -applaunch 13210 CTF-Strident?", 0),
              0u);
    EXPECT_EQ(w.processes.starts[0].workingFolder, "c:/program files/steam/");

    w.clock.sleeps.clear();
    ASSERT_TRUE(w.processes.EndOne());
    // The game itself is waited for before the run is recorded.
    ASSERT_GE(w.clock.sleeps.size(), 2u);
    EXPECT_EQ(w.clock.sleeps[0], 30000);
    EXPECT_EQ(w.clock.sleeps[1], 1000);
    EXPECT_EQ(w.processList.lookups.back(), "ut3.exe");
    EXPECT_FALSE(w.mw.batch.Running);
}

TEST(RunGate, SteamNotRunningAsksAndStartsNoBatch) {
    struct Case {
        int answer;
        bool failStart;
        const char* secondTitle;
        const char* secondInstruction;
        bool steamStarted;
    };
    const Case cases[] = {
        {100, false, "Loading Steam", "Steam is loading...", true},
        {100, true, "Loading Steam", "Steam is loading...", true},
        {101, false, "Benchmark Warning", "Error. Steam is not runing.", false},
        {kDialogClosed, false, "Benchmark Warning", "Error. Steam is not runing.", false},
    };
    for (const Case& c : cases) {
        BatchWorld w;
        w.Tick({"800"});
        w.mw.GameEdition = "Steam";
        w.processList.names = Strings{"explorer.exe"};
        w.processes.failIdle = c.failStart;
        w.mw.controls.BenchButtonEnabled = false;
        w.dialogs.answers = {{c.answer, false}};
        BenchButtonClick(w.mw);

        ASSERT_EQ(w.dialogs.taskDialogs.size(), 2u) << c.answer;
        const TaskDialogSpec& q = w.dialogs.taskDialogs[0];
        EXPECT_EQ(q.title, "Benchmark Warning");
        EXPECT_EQ(q.icon, DialogIcon::Warning);
        EXPECT_EQ(q.instruction, "Error! The STEAM not running.");
        EXPECT_EQ(q.content, "If you want to load the Steam now, please click the button below.");
        ASSERT_EQ(q.customButtons.size(), 2u);
        EXPECT_EQ(q.customButtons[0].id, 100);
        EXPECT_EQ(q.customButtons[0].caption, "Run Steam now.");
        EXPECT_EQ(q.customButtons[1].id, 101);
        EXPECT_EQ(q.customButtons[1].caption, "Do not run the Steam.");
        EXPECT_EQ(q.defaultButton, 100);
        EXPECT_TRUE(q.commandLinks);
        EXPECT_FALSE(q.okButton);
        EXPECT_EQ(q.verificationText, "");

        const TaskDialogSpec& n = w.dialogs.taskDialogs[1];
        EXPECT_EQ(n.title, c.secondTitle) << c.answer;
        EXPECT_EQ(n.instruction, c.secondInstruction) << c.answer;
        EXPECT_TRUE(n.okButton);
        EXPECT_TRUE(n.customButtons.empty());

        Strings started;
        for (const auto& s : w.processes.starts) {
            EXPECT_FALSE(s.watched) << c.answer;
            started.push_back(s.commandLine + "|" + s.workingFolder);
        }
        EXPECT_EQ(started, c.steamStarted ? Strings{"c:/program files/steam/steam.exe|"
                                                    "c:/program files/steam/"}
                                          : Strings{})
            << c.answer;
        EXPECT_TRUE(w.mw.controls.BenchButtonEnabled) << c.answer;
        EXPECT_FALSE(w.mw.batch.Running) << c.answer;
        EXPECT_TRUE(w.dialogs.messages.empty()) << c.answer;
    }
}

TEST(RunGate, SteamWaitLooksEveryFiveSecondsUntilTheGameIsGone) {
    struct Case {
        const char* what;
        int gameEndsAtMs;
        std::vector<int> sleeps;
        int looks;
    };
    const Case cases[] = {
        {"ends 12 s after the first look", 42000, {30000, 5000, 5000, 5000}, 4},
        {"never appeared", 0, {30000}, 1},
    };
    for (const Case& c : cases) {
        FakeWorld w;
        w.processList.running = [&](const std::string& name) {
            return name == "ut3.exe" && w.clock.TotalSlept() < c.gameEndsAtMs;
        };
        WaitForGameExit(w.mw);
        EXPECT_EQ(w.clock.sleeps, c.sleeps) << c.what;
        EXPECT_EQ(int(w.processList.lookups.size()), c.looks) << c.what;
        // After the first wait and after every look that found the game.
        EXPECT_EQ(w.events.processed, c.looks) << c.what;
        EXPECT_FALSE(w.mw.GameRunning) << c.what;
    }
}

}  // namespace
}  // namespace tessaro::fakes
