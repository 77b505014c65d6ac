#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "engine/resolution_slots.h"
#include "fakes/fake_ports.h"
#include "results/stats_reader.h"
#include "settings/profile_paths.h"
#include "settings/profile_tweaks.h"

namespace tessaro::fakes {
namespace {

// A user's profile with both configuration files and a statistics folder of their
// own, and the program's template beside it.
class ProfileTweaksTest : public ::testing::Test {
  protected:
    FakeWorld w;
    const std::string userEngine = "[Engine.Engine]\r\nbDisablePhysXHardwareSupport=True\r\n";
    const std::string userGame = "[Engine.HUD]\r\nbShowHud=False\r\n[Other]\r\nName=Me\r\n";
    const std::string templ = "[SystemSettings]\r\nMaxAnisotropy=2\r\n";
    std::string engine, backup, game, stats, statsOld;

    void SetUp() override {
        w.mw.ProgramFolder = "C:\\Tessaro\\";
        w.files.AddFile("C:\\Tessaro\\UTEngine.ini", templ);
        DeriveProfilePaths(w.mw);
        const ProfileLocator& loc = w.mw.locations;
        engine = loc.EngineIni;
        backup = loc.ConfigFolder + "UTEngineold.ini";
        game = loc.GameIni;
        stats = loc.StatsFolder;
        statsOld = loc.StatsBackupFolder;
        w.files.AddFile(engine, userEngine);
        w.files.AddFile(game, userGame);
        w.files.AddFile(stats + "Own-FlyThrough-PC.html", "mine");
        w.mw.batch.MapName = "DM-Arsenal";
        BuildStatsPaths(w.mw);
    }

    // The game's output during a batch.
    void GameWritesStats() {
        for (auto* f :
             {&w.mw.batch.StatsFile, &w.mw.batch.StatsLogFile, &w.mw.batch.GlobalStatsFile})
            w.files.AddFile(*f, "run");
    }

    std::map<std::string, std::string> Snapshot() const {
        std::map<std::string, std::string> out;
        for (auto& [k, v] : w.files.files)
            out[k] = v.bytes;
        return out;
    }
};

TEST_F(ProfileTweaksTest, KeysAndOptionLines) {
    struct Case {
        int af;
        bool physics, blur;
        std::vector<std::string> writes;
        std::string filtering, physicsLine, blurLine;
    };
    const std::string x = kTimes;
    const std::vector<Case> cases = {
        {3,
         true,
         false,
         {"SystemSettings|MaxAnisotropy|16", "Engine.Engine|bDisablePhysXHardwareSupport|False",
          "SystemSettings|MotionBlur|False"},
         "Anisotropic filtering:</b> 16" + x,
         "Hardware Physics:</b> Enabled",
         "Motion Blur:</b> Disabled"},
        {0,
         false,
         true,
         {"SystemSettings|MaxAnisotropy|0", "Engine.Engine|bDisablePhysXHardwareSupport|True",
          "SystemSettings|MotionBlur|True"},
         "Anisotropic filtering:</b> None",
         "Hardware Physics:</b> Disabled",
         "Motion Blur:</b> Enabled"},
        {1,
         false,
         false,
         {"SystemSettings|MaxAnisotropy|4", "Engine.Engine|bDisablePhysXHardwareSupport|True",
          "SystemSettings|MotionBlur|False"},
         "Anisotropic filtering:</b> 4" + x,
         "Hardware Physics:</b> Disabled",
         "Motion Blur:</b> Disabled"},
        {2,
         false,
         false,
         {"SystemSettings|MaxAnisotropy|8", "Engine.Engine|bDisablePhysXHardwareSupport|True",
          "SystemSettings|MotionBlur|False"},
         "Anisotropic filtering:</b> 8" + x,
         "Hardware Physics:</b> Disabled",
         "Motion Blur:</b> Disabled"},
        // No filtering item: nothing written, the line stays as it was.
        {kNoItem,
         false,
         false,
         {"Engine.Engine|bDisablePhysXHardwareSupport|True", "SystemSettings|MotionBlur|False"},
         "previous",
         "Hardware Physics:</b> Disabled",
         "Motion Blur:</b> Disabled"},
    };
    for (const auto& c : cases) {
        w.ini.writes.clear();
        w.mw.FilteringLine = "previous";
        w.mw.controls.AFBox = c.af;
        w.mw.controls.HPhyBox.ticked = c.physics;
        w.mw.controls.MBlurBox.ticked = c.blur;
        ApplyProfileTweaks(w.mw);
        std::vector<std::string> expected;
        for (auto& s : c.writes)
            expected.push_back(engine + "|" + s);
        expected.push_back(game + "|Engine.HUD|bShowHud|False");
        EXPECT_EQ(w.ini.writes, expected) << "item " << c.af;
        EXPECT_EQ(w.mw.FilteringLine, c.filtering);
        EXPECT_EQ(w.mw.PhysicsLine, c.physicsLine);
        EXPECT_EQ(w.mw.MotionBlurLine, c.blurLine);
    }
    EXPECT_TRUE(w.dialogs.taskDialogs.empty());
}

TEST_F(ProfileTweaksTest, MissingEngineFileWarnsThreeTimesInOrder) {
    w.files.DeleteFile(engine);
    w.mw.controls.AFBox = 3;
    w.mw.PhysicsLine = "Hardware Physics:</b> Enabled";
    ApplyProfileTweaks(w.mw);
    ASSERT_EQ(w.dialogs.taskDialogs.size(), 3u);
    const std::vector<std::string> instructions = {
        "It is not possible to set the Anisotropic filtering.",
        "It is not possible to set the Hardware Physics.",
        "It is not possible to set the Motion Blur."};
    for (std::size_t i = 0; i < 3; ++i) {
        const TaskDialogSpec& d = w.dialogs.taskDialogs[i];
        EXPECT_EQ(d.title, "Torvex Error");
        EXPECT_EQ(d.icon, DialogIcon::Warning);
        EXPECT_EQ(d.instruction, instructions[i]);
        EXPECT_EQ(d.content,
                  "Maybe the game was never started and you did not prepared a profile yet. "
                  "Please create one before the bench.");
        EXPECT_TRUE(d.okButton);
        EXPECT_TRUE(d.customButtons.empty());
    }
    EXPECT_EQ(w.mw.PhysicsLine, "Hardware Physics:</b> Enabled");
    EXPECT_TRUE(w.mw.FilteringLine.empty());
    EXPECT_FALSE(w.files.FileExists(engine));  // no key written into a new file
    EXPECT_EQ(w.ini.writes, std::vector<std::string>{game + "|Engine.HUD|bShowHud|False"});
}

TEST_F(ProfileTweaksTest, BatchRoundTripGivesTheUserProfileBack) {
    w.mw.controls.AFBox = 3;
    BackupProfile(w.mw);
    EXPECT_EQ(w.files.Bytes(backup), userEngine);
    EXPECT_EQ(w.files.Bytes(engine), templ);
    EXPECT_TRUE(w.files.FolderExists(stats));
    EXPECT_FALSE(w.files.FileExists(stats + "Own-FlyThrough-PC.html"));
    ApplyProfileTweaks(w.mw);
    EXPECT_NE(w.files.Bytes(engine)->find("[SystemSettings]\r\nMaxAnisotropy=16\r\n"),
              std::string::npos);
    GameWritesStats();

    RestoreProfile(w.mw);
    EXPECT_EQ(w.files.Bytes(engine), userEngine);
    EXPECT_FALSE(w.files.FileExists(backup));
    EXPECT_EQ(w.files.Bytes(game), "[Engine.HUD]\r\nbShowHud=True\r\n[Other]\r\nName=Me\r\n");
    EXPECT_EQ(w.files.Bytes(stats + "Own-FlyThrough-PC.html"), "mine");
    EXPECT_FALSE(w.files.FileExists(w.mw.batch.StatsFile));
    EXPECT_FALSE(w.files.FolderExists(statsOld));

    // A second restore (the program's exit after the batch end) changes nothing more.
    const auto after = Snapshot();
    w.files.log.clear();
    RestoreProfile(w.mw);
    EXPECT_EQ(Snapshot(), after);
    EXPECT_TRUE(w.files.log.empty());
}

TEST_F(ProfileTweaksTest, BackupLeftByAKilledBatchIsKept) {
    BackupProfile(w.mw);
    ApplyProfileTweaks(w.mw);
    GameWritesStats();
    // The program is killed here; the next batch starts.
    w.mw.batch.MapName = "DM-Deck";
    BuildStatsPaths(w.mw);
    BackupProfile(w.mw);
    EXPECT_EQ(w.files.Bytes(backup), userEngine);
    EXPECT_EQ(w.files.Bytes(engine), templ);
    ApplyProfileTweaks(w.mw);
    RestoreProfile(w.mw);
    EXPECT_EQ(w.files.Bytes(engine), userEngine);
    EXPECT_FALSE(w.files.FileExists(backup));
}

TEST_F(ProfileTweaksTest, MissingTemplateStillGivesTheUserFileBack) {
    w.files.DeleteFile("C:\\Tessaro\\UTEngine.ini");
    BackupProfile(w.mw);
    ApplyProfileTweaks(w.mw);
    EXPECT_EQ(w.dialogs.taskDialogs.size(), 3u);
    RestoreProfile(w.mw);
    EXPECT_EQ(w.files.Bytes(engine), userEngine);
}

TEST(ProfileTweaks, NoProfileLocationTouchesNothing) {
    FakeWorld w;
    w.mw.ProgramFolder = "C:\\Tessaro\\";
    w.files.AddFile("C:\\Tessaro\\UTEngine.ini", "t");
    w.files.log.clear();
    BackupProfile(w.mw);
    ApplyProfileTweaks(w.mw);
    RestoreProfile(w.mw);
    EXPECT_TRUE(w.files.log.empty());
    EXPECT_TRUE(w.ini.writes.empty());
    EXPECT_EQ(w.dialogs.taskDialogs.size(), 3u);
}

}  // namespace
}  // namespace tessaro::fakes
