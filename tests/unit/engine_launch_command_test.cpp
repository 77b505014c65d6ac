#include <gtest/gtest.h>

#include <string>

#include "engine/launch_command.h"
#include "fakes/fake_ports.h"

namespace tessaro {
namespace {

const std::string kCommon =
    " -unattended -novsync -fixedseed -CaptureFPSChartInfo=1 -nomoviestartup";

LaunchInputs Inputs(const std::string& edition, bool botmatch, bool oneThread) {
    LaunchInputs in;
    in.GameEdition = edition;
    in.GameExePath = "C:\\Games\\UT3\\Binaries\\UT3.exe";
    in.GameFolder = "C:\\Games\\UT3\\Binaries\\";
    in.SteamFolder = "c:/program files/steam/";
    in.MapName = "DM-Arsenal";
    in.RunSeconds = "125";
    in.NumPlay = "0";
    in.Botmatch = botmatch;
    in.OneThread = oneThread;
    in.ResolutionSwitches = " -ResX=800 -ResY=600";
    return in;
}

TEST(LaunchCommand, TheFourFormsWithAndWithoutOneThread) {
    const std::string dvd = "C:\\Games\\UT3\\Binaries\\UT3.exe ";
    const std::string steam = "c:/program files/steam/steam.exe -silent -applaunch 13210 ";
    const std::string flyby =
        "DM-Arsenal?causeevent=FlyThrough?quickstart=1?nocustomchars=1?numplay=0 -seconds=125";
    const std::string bot = "DM-Arsenal?numplay=12?timelimit=5?automatedperftesting=1 -seconds=125";
    const std::string res = " -ResX=800 -ResY=600";
    struct Case {
        const char* edition;
        bool botmatch, oneThread;
        std::string line, folder;
    };
    const Case cases[] = {
        {"DVD", false, false, dvd + flyby + res + kCommon, "C:\\Games\\UT3\\Binaries\\"},
        {"DVD", true, true, dvd + bot + res + kCommon + " -onethread",
         "C:\\Games\\UT3\\Binaries\\"},
        {"Steam", false, true, steam + flyby + res + kCommon + " -onethread",
         "c:/program files/steam/"},
        {"Steam", true, false, steam + bot + res + kCommon, "c:/program files/steam/"},
        // Only "Steam", letter for letter, selects the Steam form.
        {"", false, false, dvd + flyby + res + kCommon, "C:\\Games\\UT3\\Binaries\\"},
        {"steam", false, false, dvd + flyby + res + kCommon, "C:\\Games\\UT3\\Binaries\\"},
    };
    for (const Case& c : cases) {
        const LaunchCommand cmd = BuildLaunchCommand(Inputs(c.edition, c.botmatch, c.oneThread));
        EXPECT_EQ(cmd.CommandLine, c.line) << c.edition << c.botmatch << c.oneThread;
        EXPECT_EQ(cmd.WorkingFolder, c.folder) << c.edition;
    }
}

TEST(LaunchCommand, EmptyDemoLeavesEmptyPieces) {
    LaunchInputs in = Inputs("DVD", false, false);
    in.MapName.clear();
    in.RunSeconds.clear();
    EXPECT_EQ(BuildLaunchCommand(in).CommandLine,
              "C:\\Games\\UT3\\Binaries\\UT3.exe ?causeevent=FlyThrough?quickstart=1"
              "?nocustomchars=1?numplay=0 -seconds= -ResX=800 -ResY=600" +
                  kCommon);
}

TEST(LaunchCommand, ReadsTheMainWindowForOneSlot) {
    fakes::FakeWorld w;
    MainWindow& mw = w.mw;
    mw.GameEdition = "Steam";
    mw.locations.SteamFolder = "c:/program files/steam/";
    mw.batch.MapName = "CTF-Strident";
    mw.batch.RunSeconds = "34";
    mw.batch.NumPlay = "0";
    mw.controls.BOTBox.ticked = true;
    mw.OneThread = true;
    // The second worked example of the command line.
    EXPECT_EQ(BuildLaunchCommand(mw, *SlotByTag("hdw2")).CommandLine,
              "c:/program files/steam/steam.exe -silent -applaunch 13210 "
              "CTF-Strident?numplay=12?timelimit=5?automatedperftesting=1 -seconds=34 "
              "-ResX=1920 -ResY=1080" +
                  kCommon + " -onethread");

    // The path is used unquoted, blanks and all; the custom texts as they stand.
    mw.GameEdition = "DVD";
    mw.controls.BOTBox.ticked = false;
    mw.locations.GameExePath = "C:\\Program Files\\UT3\\Binaries\\UT3.exe";
    mw.locations.GameFolder = "C:\\Program Files\\UT3\\Binaries\\";
    mw.controls.CusWidth = "1280";
    mw.controls.CusHeight = "720";
    const LaunchCommand cmd = BuildLaunchCommand(mw, *SlotByTag("custom"));
    EXPECT_EQ(cmd.CommandLine,
              "C:\\Program Files\\UT3\\Binaries\\UT3.exe CTF-Strident?causeevent=FlyThrough"
              "?quickstart=1?nocustomchars=1?numplay=0 -seconds=34 -ResX=1280 -ResY=720" +
                  kCommon + " -onethread");
    EXPECT_EQ(cmd.WorkingFolder, "C:\\Program Files\\UT3\\Binaries\\");
}

TEST(LaunchCommand, StartGameHandsTheCommandToTheWatchedStart) {
    fakes::FakeWorld w;
    int ended = 0;
    StartOutcome ok = StartGame(w.mw, {"C:\\g\\UT3.exe x", "C:\\g\\"}, [&] { ++ended; });
    EXPECT_TRUE(ok.started);
    ASSERT_EQ(w.processes.starts.size(), 1u);
    EXPECT_EQ(w.processes.starts[0].commandLine, "C:\\g\\UT3.exe x");
    EXPECT_EQ(w.processes.starts[0].workingFolder, "C:\\g\\");
    EXPECT_TRUE(w.processes.starts[0].watched);
    EXPECT_TRUE(w.processes.EndOne());
    EXPECT_EQ(ended, 1);

    w.processes.failWatched = true;
    StartOutcome failed = StartGame(w.mw, {"C:\\gone\\UT3.exe x", "C:\\gone\\"}, [] {});
    EXPECT_FALSE(failed.started);
    EXPECT_EQ(failed.error, "The system cannot find the file specified.");
}

}  // namespace
}  // namespace tessaro
