#include <gtest/gtest.h>

#include "settings/game_locations.h"
#include "settings/load_settings.h"
#include "settings_fixture.h"

namespace tessaro::fakes {
namespace {

const char* const kExe = "C:\\Games\\UT3\\Binaries\\UT3.exe";
const char* const kExeFolder = "C:\\Games\\UT3\\Binaries\\";
const char* const kConfig =
    "C:\\users\\tester\\Documents\\My Games\\Unreal Tournament 3\\UTGame\\Config\\";

TEST(LocateGame, TakesTheStoredLocationOnlyWhenPathAndFolderBothExist) {
    struct {
        const char* name;
        const char *path, *fpath;
        bool exeExists, folderExists;
        bool located;
    } cases[] = {
        {"both exist", kExe, kExeFolder, true, true, true},
        {"folder value empty", kExe, "", true, true, false},
        {"folder gone", kExe, "C:\\Old\\", true, false, false},
        {"executable gone", kExe, kExeFolder, false, true, false},
        {"no path stored", "", kExeFolder, false, true, false},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.name);
        SettingsWorld w;
        w.Store("Path", k.path);
        w.Store("FPath", k.fpath);
        if (k.exeExists)
            w.files.AddFile(k.path, "MZ");
        if (k.folderExists)
            w.files.AddFolder(kExeFolder);
        RecordingUpdateChecker updater;
        LoadSettings(w.mw, updater);

        const ProfileLocator& at = w.mw.locations;
        EXPECT_EQ(w.mw.controls.UT3PathEdit, k.located ? kExe : kPathRequest);
        EXPECT_EQ(w.mw.controls.UT3PathEditRed, !k.located);
        EXPECT_EQ(at.GameExePath, k.located ? kExe : "");
        EXPECT_EQ(at.GameFolder, k.located ? k.fpath : "");
        EXPECT_EQ(at.ConfigFolder, k.located ? kConfig : "");
        EXPECT_EQ(at.EngineIni.empty(), !k.located);
    }
}

TEST(DetectSteam, RecordKeptAsWrittenWithASlashAndTheEditionPreselected) {
    struct {
        const char* name;
        bool key;
        std::optional<FakeRegistry::Value> steamPath;
        const char* folder;
        int item;
    } cases[] = {
        {"recorded", true, FakeRegistry::Value{"c:/program files/steam", true},
         "c:/program files/steam/", 1},
        {"key without the value", true, std::nullopt, "", 1},
        {"value of another type", true, FakeRegistry::Value{"1", false}, "", 1},
        {"empty record", true, FakeRegistry::Value{"", true}, "", 1},
        {"no client key", false, std::nullopt, "", 0},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.name);
        SettingsWorld w;
        if (k.key) {
            auto& steam = w.registry.AddKey(RegistryRoot::CurrentUser, "Software\\Valve\\Steam");
            if (k.steamPath)
                steam["SteamPath"] = *k.steamPath;
        }
        DetectSteam(w.mw);
        EXPECT_EQ(w.mw.locations.SteamFolder, k.folder);
        EXPECT_EQ(w.mw.controls.UT3TypeBox, k.item);
        EXPECT_TRUE(w.registry.writes.empty());
    }
}

TEST(RzToolButton2Click, ChosenExecutableIsShownStoredAndLocated) {
    SettingsWorld w;
    w.CreateKey();
    w.mw.controls.UT3PathEdit = kPathRequest;
    w.mw.controls.UT3PathEditRed = true;
    FakeFileChooser chooser;
    chooser.answer = kExe;
    RzToolButton2Click(w.mw, chooser);

    EXPECT_EQ(chooser.filter, "UT3 executable (UT3.exe)|UT3.exe");
    EXPECT_EQ(chooser.title, "Browse for the UT3 executable");
    EXPECT_EQ(w.mw.controls.UT3PathEdit, kExe);
    EXPECT_FALSE(w.mw.controls.UT3PathEditRed);
    EXPECT_EQ(w.Stored("Path"), kExe);
    EXPECT_EQ(w.Stored("FPath"), kExeFolder);
    EXPECT_EQ(w.mw.locations.GameExePath, kExe);
    EXPECT_EQ(w.mw.locations.GameFolder, kExeFolder);
    EXPECT_EQ(w.mw.locations.ConfigFolder, kConfig);
}

TEST(RzToolButton2Click, ExecutableAtADriveRootGetsTheRootAsItsFolder) {
    SettingsWorld w;
    w.CreateKey();
    FakeFileChooser chooser;
    chooser.answer = "E:\\UT3.exe";
    RzToolButton2Click(w.mw, chooser);
    EXPECT_EQ(w.mw.locations.GameFolder, "E:\\");
    EXPECT_EQ(w.Stored("FPath"), "E:\\");
    EXPECT_EQ(w.Stored("Path"), "E:\\UT3.exe");
}

TEST(RzToolButton2Click, CancelChangesNothing) {
    SettingsWorld w;
    w.CreateKey();
    w.mw.controls.UT3PathEdit = kPathRequest;
    w.mw.controls.UT3PathEditRed = true;
    FakeFileChooser chooser;
    RzToolButton2Click(w.mw, chooser);
    EXPECT_EQ(w.mw.controls.UT3PathEdit, kPathRequest);
    EXPECT_TRUE(w.mw.controls.UT3PathEditRed);
    EXPECT_EQ(w.mw.locations.GameFolder, "");
    EXPECT_TRUE(w.registry.writes.empty());
}

// The field then names the executable the batch will start, so the run uses it even
// though it cannot be kept for the next start.
TEST(RzToolButton2Click, WithoutTheKeyTheChoiceServesThisRunAndNothingIsCreated) {
    SettingsWorld w;
    FakeFileChooser chooser;
    chooser.answer = kExe;
    RzToolButton2Click(w.mw, chooser);
    EXPECT_EQ(w.mw.controls.UT3PathEdit, kExe);
    EXPECT_FALSE(w.mw.controls.UT3PathEditRed);
    EXPECT_EQ(w.mw.locations.GameExePath, kExe);
    EXPECT_EQ(w.mw.locations.GameFolder, kExeFolder);
    EXPECT_FALSE(w.HasKey());
    EXPECT_TRUE(w.registry.writes.empty());
}

TEST(RzToolButton1Click, FolderGetsOneTrailingSeparatorAndIsStored) {
    struct {
        std::optional<std::string> chosen;
        bool key;
        const char* shown;
        std::optional<std::string> stored;
    } cases[] = {
        {"D:\\", true, "D:\\", "D:\\"},
        {"D:\\Results", true, "D:\\Results\\", "D:\\Results\\"},
        {"D:\\Results\\", true, "D:\\Results\\", "D:\\Results\\"},
        {std::nullopt, true, "C:\\Old\\", "C:\\Old\\"},
        {"D:\\Results", false, "D:\\Results\\", std::nullopt},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.chosen.value_or("(cancelled)") + (k.key ? "" : ", no key"));
        SettingsWorld w;
        if (k.key)
            w.Store("ResultPath", "C:\\Old\\");
        w.mw.controls.ResEdit = "C:\\Old\\";
        FakeFolderChooser chooser;
        chooser.answer = k.chosen;
        RzToolButton1Click(w.mw, chooser);
        EXPECT_EQ(chooser.title, "Browse for results folder...");
        EXPECT_EQ(w.mw.controls.ResEdit, k.shown);
        EXPECT_EQ(w.Stored("ResultPath"), k.stored);
        EXPECT_EQ(w.HasKey(), k.key);
    }
}

TEST(OpenResFolderClick, OpensAnExistingFolderAndSaysWhenItIsGone) {
    SettingsWorld w;
    OpenResFolderClick(w.mw);
    EXPECT_TRUE(w.shell.opened.empty());
    EXPECT_TRUE(w.dialogs.messages.empty());

    w.mw.controls.ResEdit = "D:\\Results\\";
    w.files.AddFolder("D:\\Results");
    OpenResFolderClick(w.mw);
    EXPECT_EQ(w.shell.opened, std::vector<std::string>{"D:\\Results\\"});

    w.files.folders.erase(NormalisePath("D:\\Results"));
    OpenResFolderClick(w.mw);
    EXPECT_EQ(w.shell.opened.size(), 1u);
    EXPECT_EQ(w.dialogs.messages, std::vector<std::string>{"The results directory not exist."});
}

}  // namespace
}  // namespace tessaro::fakes
