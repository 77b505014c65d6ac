// The stand-in game's reading of the command line the batch builds.
#ifdef TESSARO_HAS_STANDIN_CORE
#include <gtest/gtest.h>

#include "standin/core/game_options.h"
#include "standin/core/text.h"

namespace tessaro::standin {
namespace {

TEST(StandinArgumentsTail, SkipsTheExecutableHoweverItIsWritten) {
    struct Case {
        const char* commandLine;
        const char* tail;
    } cases[] = {
        {"C:\\Games\\UT3\\Binaries\\UT3.exe DM-Arsenal?numplay=0 -seconds=5",
         "DM-Arsenal?numplay=0 -seconds=5"},
        {"C:\\Program Files\\UT3\\Binaries\\UT3.exe DM-Arsenal -ResX=800", "DM-Arsenal -ResX=800"},
        {"\"C:\\Program Files\\UT3\\UT3.exe\"  DM-Arsenal", "DM-Arsenal"},
        {"c:/program files/steam/STEAM.EXE -silent -applaunch 13210 x",
         "-silent -applaunch 13210 x"},
        {"UT3.exe", ""},
        {"UT3 DM-Arsenal", "DM-Arsenal"},
        {"C:\\my.exes\\UT3.exe DM-Arsenal", "DM-Arsenal"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ArgumentsTail(c.commandLine), c.tail) << c.commandLine;
}

TEST(StandinGameOptions, ReadsTheFlybyCommandOfTheBatch) {
    ParsedGameOptions parsed = ParseGameArguments(
        "DM-Arsenal?causeevent=FlyThrough?quickstart=1?nocustomchars=1?numplay=0 -seconds=125 "
        "-ResX=800 -ResY=600 -unattended -novsync -fixedseed -CaptureFPSChartInfo=1 "
        "-nomoviestartup");
    ASSERT_TRUE(parsed.ok) << parsed.error;
    const GameOptions& o = parsed.options;
    EXPECT_EQ(o.mapName, "DM-Arsenal");
    EXPECT_EQ(UrlOption(o, "causeevent"), "FlyThrough");
    EXPECT_EQ(UrlOption(o, "NumPlay"), "0");
    EXPECT_FALSE(o.botmatch);
    EXPECT_EQ(o.seconds, 125);
    EXPECT_EQ(o.resX, 800);
    EXPECT_EQ(o.resY, 600);
    EXPECT_TRUE(o.unattended && o.noVSync && o.fixedSeed && o.captureFpsChart && o.noMovieStartup);
    EXPECT_FALSE(o.oneThread);
    EXPECT_TRUE(o.ignoredSwitches.empty());
}

TEST(StandinGameOptions, ReadsTheBotmatchCommandWithOneThread) {
    ParsedGameOptions parsed = ParseGameArguments(
        "CTF-Strident?numplay=12?timelimit=5?automatedperftesting=1 -seconds=34 -ResX=1920 "
        "-ResY=1080 -unattended -novsync -fixedseed -CaptureFPSChartInfo=1 -nomoviestartup "
        "-onethread");
    ASSERT_TRUE(parsed.ok) << parsed.error;
    EXPECT_EQ(parsed.options.mapName, "CTF-Strident");
    EXPECT_TRUE(parsed.options.botmatch);
    EXPECT_EQ(UrlOption(parsed.options, "timelimit"), "5");
    EXPECT_EQ(parsed.options.resX, 1920);
    EXPECT_TRUE(parsed.options.oneThread);
}

TEST(StandinGameOptions, TakesFractionalSecondsAndAnyLetterCase) {
    ParsedGameOptions parsed =
        ParseGameArguments("vCTF-Suspense -SECONDS=0.25 -resx=1280 -resy=720 -OneThread -foo");
    ASSERT_TRUE(parsed.ok) << parsed.error;
    EXPECT_EQ(parsed.options.seconds, 0.25);
    EXPECT_EQ(parsed.options.resX, 1280);
    EXPECT_EQ(parsed.options.resY, 720);
    EXPECT_TRUE(parsed.options.oneThread);
    EXPECT_EQ(parsed.options.ignoredSwitches, std::vector<std::string>{"-foo"});
}

TEST(StandinGameOptions, QuotesAroundArgumentsAreDropped) {
    // As Wine passes one shell argument holding the whole map URL and switches.
    ParsedGameOptions parsed =
        ParseGameArguments("\"DM-Arsenal?numplay=0 -seconds=2 -ResX=800 -ResY=600 -onethread\"");
    ASSERT_TRUE(parsed.ok) << parsed.error;
    EXPECT_EQ(parsed.options.mapName, "DM-Arsenal");
    EXPECT_EQ(UrlOption(parsed.options, "numplay"), "0");
    EXPECT_EQ(parsed.options.seconds, 2);
    EXPECT_TRUE(parsed.options.oneThread);
}

TEST(StandinGameOptions, RefusesWhatItCannotRun) {
    const char* refused[] = {
        "",                                  // no map
        "-seconds=5 -ResX=800",              // still no map
        "?numplay=0 -seconds=5",             // empty map name
        "..\\..\\evil?numplay=0",            // a map name that leaves the statistics folder
        "../x",                              //
        "DM-Arsenal DM-Deck",                // two maps
        "DM-Arsenal -seconds=abc",           // bad numbers
        "DM-Arsenal -seconds=-1",            //
        "DM-Arsenal -seconds=",              //
        "DM-Arsenal -ResX=0",                //
        "DM-Arsenal -ResX=1280x",            //
        "DM-Arsenal -ResY=99999",            //
        "DM-Arsenal -ResX=8192 -ResY=8192",  // more pixels than a frame buffer may hold
    };
    for (const char* arguments : refused) {
        ParsedGameOptions parsed = ParseGameArguments(arguments);
        EXPECT_FALSE(parsed.ok) << arguments;
        EXPECT_FALSE(parsed.error.empty()) << arguments;
    }
}

TEST(StandinGameOptions, RunSecondsOverride) {
    double seconds = 7;
    EXPECT_TRUE(ParseRunSeconds(" 1.5 ", seconds));
    EXPECT_EQ(seconds, 1.5);
    EXPECT_TRUE(ParseRunSeconds("0", seconds));
    EXPECT_EQ(seconds, 0);
    for (const char* bad : {"", "x", "-2", "1e9", "nan", "inf"}) {
        seconds = 7;
        EXPECT_FALSE(ParseRunSeconds(bad, seconds)) << bad;
        EXPECT_EQ(seconds, 7) << bad;
    }
}

}  // namespace
}  // namespace tessaro::standin
#endif
