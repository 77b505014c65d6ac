#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "app/cli/console_dialogs.h"
#include "app/cli/console_window.h"
#include "app/cli/dry_run.h"
#include "app/cli/run_options.h"
#include "engine/resolution_slots.h"
#include "fakes/fake_ports.h"

namespace tessaro {
namespace {

using fakes::FakeWorld;

// A temporary file standing in for a console stream.
struct Stream {
    std::FILE* f = std::tmpfile();
    ~Stream() { std::fclose(f); }
    std::string Text() {
        std::fflush(f);
        std::rewind(f);
        std::string s;
        for (int c; (c = std::fgetc(f)) != EOF;)
            s += static_cast<char>(c);
        return s;
    }
    void Feed(const std::string& text) {
        std::fputs(text.c_str(), f);
        std::rewind(f);
    }
};

TEST(CliOptions, RefusesWhatTheWindowCouldNotHold) {
    const std::vector<std::vector<std::string>> refused = {
        {"--demo", "Nowhere"},  {"--demo", "36"}, {"--res", "800,custom"}, {"--res", "640"},
        {"--runs", "0"},        {"--runs", "6"},  {"--af", "4"},           {"--custom", "1280"},
        {"--edition", "steam"}, {"--game"},       {"--frobnicate"},
    };
    for (const auto& args : refused)
        EXPECT_FALSE(ParseRunOptions(args).error.empty()) << args[0];
}

TEST(CliOptions, OverrideTheirControlsOnly) {
    FakeWorld w;
    MainControls& c = w.mw.controls;
    c.res[0].ticked = true;  // as the stored settings left it
    c.res[7].enabled = false;
    c.NoteEdit = "stored note";
    auto parsed = ParseRunOptions({"--demo", "Strident", "--res", "1024,hdw3", "--runs", "3",
                                   "--custom", "1280x720", "--results", "D:\\Out", "--game",
                                   "C:\\G\\Binaries\\UT3.exe", "--steam-folder", "c:/steam"});
    ASSERT_EQ(parsed.error, "");
    ApplyRunOptions(parsed.options, w.mw);

    EXPECT_EQ(c.demo, 30);
    EXPECT_FALSE(c.res[0].ticked);
    EXPECT_TRUE(c.res[1].ticked);
    EXPECT_FALSE(c.res[7].ticked) << "a slot the display lacks stays unticked";
    EXPECT_EQ(w.mw.RunsPerSlot, 3);
    EXPECT_TRUE(c.cusresbox.ticked);
    EXPECT_EQ(c.CusWidth + "x" + c.CusHeight, "1280x720");
    EXPECT_EQ(c.ResEdit, "D:\\Out\\");
    EXPECT_EQ(c.NoteEdit, "stored note");
    EXPECT_EQ(w.mw.locations.GameFolder, "C:\\G\\Binaries\\");
    EXPECT_EQ(w.mw.locations.SteamFolder, "c:/steam/");
    EXPECT_TRUE(w.registry.writes.empty()) << "options are never stored";
}

TEST(CliOptions, NoteKeepsFiftyCharactersNotBytes) {
    FakeWorld w;
    std::string note;
    for (int i = 0; i < 60; ++i)
        note += kTimes;
    ApplyRunOptions(ParseRunOptions({"--note", note}).options, w.mw);
    EXPECT_EQ(w.mw.controls.NoteEdit.size(), 100u);
}

TaskDialogSpec SteamQuestion() {
    TaskDialogSpec dialog;
    dialog.title = "Benchmark Warning";
    dialog.instruction = "Error! The STEAM not running.";
    dialog.customButtons = {{100, "Run Steam now."}, {101, "Do not run the Steam."}};
    dialog.defaultButton = 100;
    return dialog;
}

TEST(ConsoleDialogs, AskAPersonAndTakeTheDefaultOtherwise) {
    struct Case {
        bool interactive;
        std::string typed;
        int answer;
    };
    const Case cases[] = {
        {false, "101\n", 100},    // nobody at the terminal: the default button
        {true, "101\n", 101},     //
        {true, "\n", 100},        // Enter takes the default
        {true, "7\n101\n", 101},  // an answer that is no button is asked again
        {true, "", 100},          // end of input
    };
    for (const Case& c : cases) {
        Stream out, in;
        in.Feed(c.typed);
        ConsoleDialogs dialogs(out.f, in.f, c.interactive);
        EXPECT_EQ(dialogs.ShowTaskDialog(SteamQuestion()).button, c.answer) << c.typed;
        EXPECT_NE(out.Text().find("Do not run the Steam."), std::string::npos);
    }
}

TEST(ConsoleWindow, PrintsTheProgressTextsAsTheyChange) {
    Stream out;
    MainControls c;
    ConsoleWindow window(out.f);
    window.Watch(c);
    window.Repaint();  // panel hidden: nothing to show
    c.ProgressPanelVisible = true;
    c.Label2 = "Collecting system information...";
    window.Repaint();
    window.Repaint();
    c.RunsLabel = "Runs: 3/1";
    window.Repaint();
    c.Label2 = "Resolution: 800 \xC3\x97 600...";
    window.Repaint();
    EXPECT_EQ(out.Text(),
              "Collecting system information...\nRuns: 3/1\nResolution: 800 \xC3\x97 600...\n");
}

TEST(DryRun, PrintsEveryLaunchInBatchOrderAndStartsNothing) {
    FakeWorld w;
    w.files.AddFile("C:\\G\\UT3.exe", "MZ");
    ApplyRunOptions(
        ParseRunOptions({"--game", "C:\\G\\UT3.exe", "--res", "1024,800", "--demo", "1"}).options,
        w.mw);
    Stream out;
    ASSERT_TRUE(DryRun(w.mw, out.f));
    std::string text = out.Text();
    EXPECT_LT(text.find("-ResX=800"), text.find("-ResX=1024"));
    EXPECT_EQ(text.find("C:\\G\\UT3.exe DM-Arsenal?causeevent=FlyThrough"), 0u);
    EXPECT_TRUE(w.processes.starts.empty());
    EXPECT_TRUE(w.files.log.empty());
    EXPECT_TRUE(w.clock.sleeps.empty());
}

TEST(DryRun, KeepsTheRunButtonsChecks) {
    FakeWorld w;
    Stream out;
    ApplyRunOptions(ParseRunOptions({"--game", "C:\\missing\\UT3.exe", "--res", "800"}).options,
                    w.mw);
    EXPECT_FALSE(DryRun(w.mw, out.f));
    w.files.AddFile("C:\\missing\\UT3.exe", "MZ");
    w.mw.controls.res[0].ticked = false;
    EXPECT_FALSE(DryRun(w.mw, out.f));
    ASSERT_EQ(w.dialogs.messages.size(), 2u);
    EXPECT_EQ(w.dialogs.messages[0], "ERROR. Please define the path of UT3.exe.");
    EXPECT_EQ(w.dialogs.messages[1], "ERROR. Please, choose a resolution of UT3.");
    EXPECT_EQ(out.Text(), "");
}

}  // namespace
}  // namespace tessaro
