#include <gtest/gtest.h>

#include "settings/load_settings.h"
#include "settings/write_back.h"
#include "settings_fixture.h"

namespace tessaro::fakes {
namespace {

const std::vector<DisplayMode> kWideDisplay{{800, 600},  {1024, 768},  {1280, 1024},
                                            {1280, 720}, {1600, 1200}, {1920, 1080}};

TEST(LoadSettings, MissingKeyStopsAtTheFirstStep) {
    SettingsWorld w;
    w.AddSteamKey();
    w.registry.AddKey(RegistryRoot::CurrentUser, "Software\\Valve\\Steam")["SteamPath"] = {
        "c:/steam", true};
    RecordingUpdateChecker updater;
    LoadSettings(w.mw, updater);

    const MainControls fresh;
    EXPECT_EQ(w.mw.controls.Label6, fresh.Label6);
    EXPECT_EQ(w.mw.controls.UT3TypeBox, kNoItem);
    EXPECT_EQ(w.mw.controls.UT3PathEdit, "");
    EXPECT_FALSE(w.mw.controls.UT3PathEditRed);
    EXPECT_EQ(w.mw.controls.ResEdit, "");
    EXPECT_TRUE(w.mw.controls.res[4].enabled);
    EXPECT_EQ(w.mw.locations.SteamFolder, "");
    EXPECT_EQ(updater.version, "");
    EXPECT_EQ(updater.checks, 0);
    EXPECT_TRUE(w.registry.writes.empty());
    EXPECT_FALSE(w.HasKey());
}

TEST(LoadSettings, EmptyKeyGivesTheDefaultsAndStoresOnlyTheResultsFolder) {
    for (bool steamClient : {false, true}) {
        SCOPED_TRACE(steamClient ? "Steam client key" : "no Steam client key");
        SettingsWorld w;
        w.CreateKey();
        if (steamClient)
            w.AddSteamKey();
        RecordingUpdateChecker updater;
        LoadSettings(w.mw, updater);

        const MainControls& c = w.mw.controls;
        // The default display offers 800 x 600 and 1024 x 768 only.
        for (std::size_t i = 0; i < c.res.size(); ++i) {
            EXPECT_FALSE(c.res[i].ticked) << i;
            EXPECT_EQ(c.res[i].enabled, i < 2) << i;
        }
        EXPECT_FALSE(c.cusresbox.ticked);
        EXPECT_FALSE(c.CustomFieldsEnabled);
        EXPECT_EQ(c.CusWidth + c.CusHeight, "");
        EXPECT_EQ(c.demo, kNoItem);
        EXPECT_EQ(c.RunNumberBox, kNoItem);
        EXPECT_EQ(w.mw.RunsPerSlot, 0);
        EXPECT_EQ(c.AFBox, kNoItem);
        EXPECT_FALSE(c.HPhyBox.ticked || c.MBlurBox.ticked || c.BOTBox.ticked ||
                     c.AutoUpdateBox.ticked);
        EXPECT_EQ(c.NoteEdit, "");
        EXPECT_EQ(c.ResEdit, "C:\\Tessaro\\Benchmark\\");
        EXPECT_EQ(c.UT3PathEdit, kPathRequest);
        EXPECT_TRUE(c.UT3PathEditRed);
        EXPECT_EQ(c.UT3TypeBox, steamClient ? 1 : 0);
        EXPECT_EQ(c.Label6, "1.5.0.0");
        EXPECT_EQ(updater.version, "1.5.0.0");
        EXPECT_EQ(updater.checks, 0);
        EXPECT_EQ(w.registry.writes,
                  std::vector<std::string>{"ResultPath=C:\\Tessaro\\Benchmark\\"});
        EXPECT_FALSE(w.Stored("CusW").has_value());
        EXPECT_TRUE(w.mw.DisplayModeList.empty());
    }
}

TEST(LoadSettings, SlotsTheDisplayLacksAreDisabledAndStayStoredUntilTheMouseLeaves) {
    SettingsWorld w;
    w.SetModes(kWideDisplay);
    w.Store("1280", "1");
    w.Store("2048", "1");
    w.Store("800", "0");
    w.Store("1024", "yes");
    RecordingUpdateChecker updater;
    LoadSettings(w.mw, updater);

    const auto& res = w.mw.controls.res;
    EXPECT_TRUE(res[2].ticked && res[2].enabled);
    EXPECT_FALSE(res[4].ticked || res[4].enabled);
    EXPECT_TRUE(res[0].enabled && !res[0].ticked);
    EXPECT_TRUE(res[1].enabled && !res[1].ticked);
    EXPECT_EQ(w.Stored("2048"), "1");

    resMouseLeave(w.mw);
    EXPECT_EQ(w.Stored("2048"), "0");
    EXPECT_EQ(w.Stored("1280"), "1");
}

struct CustomCase {
    const char* name;
    const char *cusW, *cusH, *cusRes;
    std::vector<DisplayMode> modes;
    const char *width, *height;  // the fields afterwards
    bool ticked;
    const char *storedW, *storedH;  // the store afterwards
};

TEST(LoadSettings, CustomSizeIsShownOnlyWhenTheModeListContainsIt) {
    const std::vector<DisplayMode> no720{{800, 600}, {1280, 1024}};
    const CustomCase cases[] = {
        {"offered and chosen", "1280", "720", "1", kWideDisplay, "1280", "720", true, "1280",
         "720"},
        {"offered, not chosen", "1280", "720", "0", kWideDisplay, "1280", "720", false, "1280",
         "720"},
        {"not offered: reset", "1280", "720", "1", no720, "", "", false, "0", "0"},
        {"contained in a wider mode", "280", "1024", "1", no720, "280", "1024", true, "280",
         "1024"},
        {"width zero: left alone", "0", "720", "1", kWideDisplay, "", "", false, "0", "720"},
        {"height zero: left alone", "1280", "0", "1", no720, "", "", false, "1280", "0"},
        {"no size stored", "", "", "1", kWideDisplay, "", "", false, "", ""},
    };
    for (const CustomCase& k : cases) {
        SCOPED_TRACE(k.name);
        SettingsWorld w;
        w.SetModes(k.modes);
        if (*k.cusW)
            w.Store("CusW", k.cusW);
        if (*k.cusH)
            w.Store("CusH", k.cusH);
        w.Store("CusRes", k.cusRes);
        RecordingUpdateChecker updater;
        LoadSettings(w.mw, updater);

        const MainControls& c = w.mw.controls;
        EXPECT_EQ(c.CusWidth, k.width);
        EXPECT_EQ(c.CusHeight, k.height);
        EXPECT_EQ(c.cusresbox.ticked, k.ticked);
        EXPECT_EQ(c.CustomFieldsEnabled, k.ticked);
        EXPECT_EQ(w.Stored("CusW").value_or(""), k.storedW);
        EXPECT_EQ(w.Stored("CusH").value_or(""), k.storedH);
        EXPECT_EQ(w.Stored("CusRes"), k.cusRes);
    }
}

struct ChoiceCase {
    const char* name;
    const char* text;
    int runBox, runs, demo, af;
};

TEST(LoadSettings, OnlyListedTextsSelectAnItem) {
    const ChoiceCase cases[] = {
        {"RunNumber", "3", 2, 3, kNoItem, kNoItem},
        {"RunNumber", "5", 4, 5, kNoItem, kNoItem},
        {"RunNumber", "7", kNoItem, 0, kNoItem, kNoItem},
        {"RunNumber", "0", kNoItem, 0, kNoItem, kNoItem},
        {"RunNumber", "03", kNoItem, 0, kNoItem, kNoItem},
        {"RunNumber", "-1", kNoItem, 0, kNoItem, kNoItem},
        {"Demo", "5", kNoItem, 0, 4, kNoItem},
        {"Demo", "1", kNoItem, 0, 0, kNoItem},
        {"Demo", "35", kNoItem, 0, 34, kNoItem},
        {"Demo", "36", kNoItem, 0, kNoItem, kNoItem},
        {"Demo", "0", kNoItem, 0, kNoItem, kNoItem},
        {"Demo", "5 ", kNoItem, 0, kNoItem, kNoItem},
        {"AFLevel", "0", kNoItem, 0, kNoItem, 0},
        {"AFLevel", "2", kNoItem, 0, kNoItem, 2},
        {"AFLevel", "3", kNoItem, 0, kNoItem, 3},
        {"AFLevel", "4", kNoItem, 0, kNoItem, kNoItem},
        {"AFLevel", "", kNoItem, 0, kNoItem, kNoItem},
    };
    for (const ChoiceCase& k : cases) {
        SCOPED_TRACE(std::string(k.name) + " = \"" + k.text + "\"");
        SettingsWorld w;
        w.Store(k.name, k.text);
        RecordingUpdateChecker updater;
        LoadSettings(w.mw, updater);
        EXPECT_EQ(w.mw.controls.RunNumberBox, k.runBox);
        EXPECT_EQ(w.mw.RunsPerSlot, k.runs);
        EXPECT_EQ(w.mw.controls.demo, k.demo);
        EXPECT_EQ(w.mw.controls.AFBox, k.af);
        EXPECT_EQ(w.Stored(k.name), k.text);  // never corrected in the store
    }
}

TEST(LoadSettings, OnlyOneTicksABoxAndStartsTheUpdateCheck) {
    for (const char* text : {"1", "0", "", "true", " 1", "11"}) {
        SCOPED_TRACE(std::string("\"") + text + "\"");
        SettingsWorld w;
        for (const char* name : {"AutoUpdate", "Motion Blur", "Physics", "Botmatch"})
            w.Store(name, text);
        RecordingUpdateChecker updater;
        LoadSettings(w.mw, updater);
        const bool on = std::string(text) == "1";
        const MainControls& c = w.mw.controls;
        EXPECT_EQ(c.AutoUpdateBox.ticked, on);
        EXPECT_EQ(c.MBlurBox.ticked, on);
        EXPECT_EQ(c.HPhyBox.ticked, on);
        EXPECT_EQ(c.BOTBox.ticked, on);
        EXPECT_EQ(updater.checks, on ? 1 : 0);
        EXPECT_EQ(updater.version, "1.5.0.0");
    }
}

TEST(LoadSettings, StoredEditionWinsOverTheSteamDetectionOnlyInItsExactSpelling) {
    struct {
        const char* stored;
        bool steamClient;
        int item;
    } cases[] = {
        {"DVD", true, 0},    {"Steam", false, 1}, {"dvd", true, 1},
        {"STEAM", false, 0}, {"", true, 1},       {"Steam ", false, 0},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.stored);
        SettingsWorld w;
        w.Store("UT3Type", k.stored);
        if (k.steamClient)
            w.AddSteamKey();
        RecordingUpdateChecker updater;
        LoadSettings(w.mw, updater);
        EXPECT_EQ(w.mw.controls.UT3TypeBox, k.item);
        EXPECT_EQ(w.mw.GameEdition, "");  // set only when the edition is confirmed
    }
}

TEST(LoadSettings, ResultsFolderThatVanishedIsReplacedByTheDefaultAndStored) {
    struct {
        const char* stored;
        bool exists;
        const char* shown;
    } cases[] = {
        {"D:\\Results\\", true, "D:\\Results\\"},
        {"D:\\", true, "D:\\"},
        {"D:\\Gone\\", false, "C:\\Tessaro\\Benchmark\\"},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.stored);
        SettingsWorld w;
        w.Store("ResultPath", k.stored);
        if (k.exists)
            w.files.AddFolder(k.stored);
        RecordingUpdateChecker updater;
        LoadSettings(w.mw, updater);
        EXPECT_EQ(w.mw.controls.ResEdit, k.shown);
        EXPECT_EQ(w.Stored("ResultPath"), k.shown);
        EXPECT_EQ(w.registry.writes.empty(), k.exists);
        EXPECT_FALSE(w.files.FolderExists("C:\\Tessaro\\Benchmark"));  // not created
    }
}

TEST(LoadSettings, ReadOnlyKeyStillFillsTheControls) {
    SettingsWorld w;
    w.Store("CusW", "1280");
    w.Store("CusH", "720");
    w.Store("Note", "quiet room");
    w.MakeKeyReadOnly();
    RecordingUpdateChecker updater;
    LoadSettings(w.mw, updater);
    EXPECT_EQ(w.mw.controls.ResEdit, "C:\\Tessaro\\Benchmark\\");
    EXPECT_EQ(w.mw.controls.NoteEdit, "quiet room");
    EXPECT_EQ(w.Stored("CusW"), "1280");
    EXPECT_FALSE(w.Stored("ResultPath").has_value());
    EXPECT_TRUE(w.registry.writes.empty());
}

TEST(BuildModeList, ListsEachSizeOnceInEnumerationOrder) {
    FakeDisplayModes modes;
    modes.modes = {{1024, 768}, {800, 600}, {1024, 768}, {640, 480}, {800, 600}, {1920, 1080}};
    std::vector<std::string> list{"stale"};
    BuildModeList(modes, list);
    EXPECT_EQ(list,
              (std::vector<std::string>{"1024 x 768", "800 x 600", "640 x 480", "1920 x 1080"}));
    modes.modes.clear();
    BuildModeList(modes, list);
    EXPECT_TRUE(list.empty());
}

TEST(BuildModeList, ContainmentSpansEntriesButNotLineBreaks) {
    const std::vector<std::string> list{"1280 x 1024", "800 x 600"};
    EXPECT_TRUE(ModeListContains(list, "1280 x 1024"));
    EXPECT_TRUE(ModeListContains(list, "280 x 1024"));
    EXPECT_TRUE(ModeListContains(list, " x "));
    EXPECT_FALSE(ModeListContains(list, "1024 x 800"));
    EXPECT_FALSE(ModeListContains({}, " x "));
}

}  // namespace
}  // namespace tessaro::fakes
