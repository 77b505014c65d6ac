// One start of the stand-in game, natively, against a profile in a temporary folder.
#ifdef TESSARO_HAS_STANDIN_CORE
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "results/stats_reader.h"
#include "standin/core/game_run.h"
#include "standin/core/profile.h"

namespace tessaro::standin {
namespace {

namespace fs = std::filesystem;

constexpr const char* kFlyby =
    "C:\\Games\\UT3\\Binaries\\UT3.exe "
    "DM-Arsenal?causeevent=FlyThrough?quickstart=1?nocustomchars=1?numplay=0 -seconds=125 "
    "-ResX=96 -ResY=64 -unattended -novsync -fixedseed -CaptureFPSChartInfo=1 -nomoviestartup";

class StandinGameRun : public ::testing::Test {
  protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() /
                (std::string("standin-run-") +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root_);
        fs::create_directories(root_ / "Documents");
        start_.commandLine = kFlyby;
        start_.workingFolder = "C:\\Games\\UT3\\Binaries";
        start_.documentsFolder = root_ / "Documents";
        start_.secondsOverride = "0.05";
        stats_ = root_ / "Documents" / "My Games" / "Unreal Tournament 3" / "UTGame" / "Stats";
        config_ = stats_.parent_path() / "Config";
    }
    void TearDown() override { fs::remove_all(root_); }

    static std::string Read(const fs::path& file) {
        std::ifstream in(file, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    static void Write(const fs::path& file, const std::string& text) {
        std::ofstream(file, std::ios::binary) << text;
    }
    std::string RunValue() const {
        return tessaro::ExtractRunValue(
            tessaro::SplitLines(Read(stats_ / "DM-Arsenal-FlyThrough-PC.html")));
    }

    fs::path root_, stats_, config_;
    GameStart start_;
};

TEST_F(StandinGameRun, AFirstStartCreatesTheProfileAndWritesTheStatistics) {
    EXPECT_EQ(RunGame(start_), kGameExitOk);
    EXPECT_EQ(Read(config_ / "UTEngine.ini"), DefaultEngineIni());
    EXPECT_EQ(Read(config_ / "UTGame.ini"), DefaultGameIni());
    for (const char* name : {"DM-Arsenal-FlyThrough-PC.html", "DM-Arsenal-FlyThrough-PC.log",
                             "Global-FlyThrough-PC.html"}) {
        EXPECT_TRUE(fs::exists(stats_ / name)) << name;
    }
    auto score = tessaro::ConvertRunValue(RunValue(), ".");
    ASSERT_TRUE(score.has_value()) << RunValue();
    EXPECT_GT(*score, 0);
}

TEST_F(StandinGameRun, TheProfileKeysTakeEffect) {
    fs::create_directories(config_);
    Write(config_ / "UTEngine.ini",
          "[SystemSettings]\r\nMaxAnisotropy=8\r\nMotionBlur=True\r\n[Engine.Engine]\r\n"
          "bDisablePhysXHardwareSupport=False\r\n");
    Write(config_ / "UTGame.ini", "[Engine.HUD]\r\nbShowHud=False\r\n");
    ASSERT_EQ(RunGame(start_), kGameExitOk);
    const std::string log = Read(stats_ / "DM-Arsenal-FlyThrough-PC.log");
    for (const char* line : {"MaxAnisotropy 8\r\n", "MotionBlur On\r\n", "HardwarePhysics On\r\n",
                             "ShowHud Off\r\n"}) {
        EXPECT_NE(log.find(line), std::string::npos) << line;
    }
    EXPECT_EQ(Read(config_ / "UTGame.ini"), "[Engine.HUD]\r\nbShowHud=False\r\n");  // kept
}

TEST_F(StandinGameRun, TheBotmatchWritesTheFpsPages) {
    start_.commandLine =
        "UT3.exe CTF-Strident?numplay=12?timelimit=5?automatedperftesting=1 -seconds=34 "
        "-ResX=64 -ResY=48 -onethread";
    ASSERT_EQ(RunGame(start_), kGameExitOk);
    EXPECT_TRUE(fs::exists(stats_ / "CTF-Strident-FPS-PC.html"));
    EXPECT_TRUE(fs::exists(stats_ / "CTF-Strident-FPS-PC.log"));
    EXPECT_TRUE(fs::exists(stats_ / "Global-FPS-PC.html"));
    EXPECT_NE(Read(stats_ / "CTF-Strident-FPS-PC.log").find("Threads 1\r\n"), std::string::npos);
}

TEST_F(StandinGameRun, AScriptDrivesSuccessiveStartsAndEveryStartIsLogged) {
    Write(root_ / "script.txt", "# two runs and a crash\nfps 46.5\nnostats\ncrash\nvalue 52,48\n");
    start_.script = root_ / "script.txt";
    start_.startLog = root_ / "starts.log";

    ASSERT_EQ(RunGame(start_), kGameExitOk);
    EXPECT_EQ(RunValue(), "46.50");

    fs::remove_all(stats_);
    EXPECT_EQ(RunGame(start_), kGameExitOk);
    EXPECT_FALSE(fs::exists(stats_ / "DM-Arsenal-FlyThrough-PC.html"));

    EXPECT_EQ(RunGame(start_), kGameExitCrashed);
    EXPECT_FALSE(fs::exists(stats_));

    ASSERT_EQ(RunGame(start_), kGameExitOk);
    EXPECT_EQ(RunValue(), "52,48");
    EXPECT_EQ(tessaro::ConvertRunValue(RunValue(), "."), 52);

    const std::string line = std::string(kFlyby) + "\tC:\\Games\\UT3\\Binaries\n";
    EXPECT_EQ(Read(root_ / "starts.log"), line + line + line + line);
    EXPECT_EQ(Read(root_ / "script.txt.used"), "4\n");
}

TEST_F(StandinGameRun, FailuresHaveTheirOwnExitCodesAndWriteNoStatistics) {
    struct Case {
        const char* commandLine;
        std::optional<std::string> seconds;
        bool withDocuments;
        int exitCode;
    } cases[] = {
        {"UT3.exe -seconds=1", "0", true, kGameExitBadCommandLine},
        {"UT3.exe ..\\..\\x?numplay=0", "0", true, kGameExitBadCommandLine},
        {"UT3.exe DM-Arsenal -ResX=wide", "0", true, kGameExitBadCommandLine},
        {kFlyby, "soon", true, kGameExitBadCommandLine},
        {kFlyby, "0", false, kGameExitProfileFailed},
    };
    for (const Case& c : cases) {
        start_.commandLine = c.commandLine;
        start_.secondsOverride = c.seconds;
        start_.documentsFolder = c.withDocuments ? root_ / "Documents" : fs::path();
        EXPECT_EQ(RunGame(start_), c.exitCode) << c.commandLine;
        EXPECT_FALSE(fs::exists(stats_)) << c.commandLine;
    }
}

TEST_F(StandinGameRun, ABadScriptLineFailsTheStart) {
    Write(root_ / "script.txt", "fps fast\n");
    start_.script = root_ / "script.txt";
    EXPECT_EQ(RunGame(start_), kGameExitBadScript);
    EXPECT_FALSE(fs::exists(stats_));
    EXPECT_EQ(RunGame(start_), kGameExitOk);  // used up: the next start measures
}

}  // namespace
}  // namespace tessaro::standin
#endif
