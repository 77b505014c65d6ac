#include <gtest/gtest.h>

#include <functional>

#include "settings/game_locations.h"
#include "settings/load_settings.h"
#include "settings/write_back.h"
#include "settings_fixture.h"

namespace tessaro::fakes {
namespace {

using Writes = std::vector<std::string>;

struct HandlerCase {
    const char* name;
    std::function<void(MainControls&)> set;
    void (*handler)(MainWindow&);
    Writes writes;  // with the key present, in order
};

const HandlerCase kHandlerCases[] = {
    {"resMouseLeave",
     [](MainControls& c) {
         c.res[0].ticked = true;
         c.res[6].ticked = true;
         c.res[4] = {true, false};  // ticked but disabled counts as unticked
     },
     resMouseLeave,
     {"800=1", "1024=0", "1280=0", "1600=0", "2048=0", "hdw1=0", "hdw2=1", "hdw3=0"}},
    {"cusresbox with both sizes",
     [](MainControls& c) {
         c.cusresbox.ticked = true;
         c.CusWidth = "1280";
         c.CusHeight = "720";
     },
     cusresboxMouseLeave,
     {"CusRes=1"}},
    {"cusresbox with a size missing",
     [](MainControls& c) {
         c.cusresbox.ticked = true;
         c.CusWidth = "1280";
     },
     cusresboxMouseLeave,
     {"CusRes=0"}},
    {"cusresbox unticked", [](MainControls&) {}, cusresboxMouseLeave, {"CusRes=0"}},
    {"RunNumberBox",
     [](MainControls& c) { c.RunNumberBox = 2; },
     RunNumberBoxChange,
     {"RunNumber=3"}},
    {"RunNumberBox, none", [](MainControls&) {}, RunNumberBoxChange, {}},
    {"demo, the fifth picked", [](MainControls& c) { c.demo = 4; }, demoChanging, {"Demo=5"}},
    {"AFBox 16x", [](MainControls& c) { c.AFBox = 3; }, AFBoxChange, {"AFLevel=3"}},
    {"AFBox None", [](MainControls& c) { c.AFBox = 0; }, AFBoxChange, {"AFLevel=0"}},
    {"AFBox, none", [](MainControls&) {}, AFBoxChange, {}},
    {"NoteEdit", [](MainControls& c) { c.NoteEdit = "a"; }, NoteEditChange, {"Note=a"}},
    {"NoteEdit emptied", [](MainControls&) {}, NoteEditChange, {}},
    {"HPhyBox", [](MainControls& c) { c.HPhyBox.ticked = true; }, HPhyBoxClick, {"Physics=1"}},
    {"MBlurBox", [](MainControls&) {}, MBlurBoxClick, {"Motion Blur=0"}},
    {"BOTBox", [](MainControls& c) { c.BOTBox.ticked = true; }, BOTBoxClick, {"Botmatch=1"}},
    {"AutoUpdateBox", [](MainControls&) {}, AutoUpdateBoxClick, {"AutoUpdate=0"}},
    {"edition DVD", [](MainControls& c) { c.UT3TypeBox = 0; }, StoreGameEdition, {"UT3Type=DVD"}},
    {"edition Steam",
     [](MainControls& c) { c.UT3TypeBox = 1; },
     StoreGameEdition,
     {"UT3Type=Steam"}},
    {"edition, none", [](MainControls&) {}, StoreGameEdition, {}},
    {"exit picture",
     [](MainControls&) {},
     EndThroughExitPicture,
     {"Display Memory=", "Driver Version=", "Sound=", "News=0"}},
    {"close", [](MainControls&) {}, EndThroughClose, {"News=0"}},
};

TEST(WriteBack, EachHandlerWritesItsValuesIntoTheSettingsKey) {
    for (const HandlerCase& k : kHandlerCases) {
        SCOPED_TRACE(k.name);
        SettingsWorld w;
        w.CreateKey();
        k.set(w.mw.controls);
        k.handler(w.mw);
        EXPECT_EQ(w.registry.writes, k.writes);
    }
}

TEST(WriteBack, WithoutTheKeyNothingIsStoredAndTheKeyIsNotCreated) {
    for (const HandlerCase& k : kHandlerCases) {
        SCOPED_TRACE(k.name);
        SettingsWorld w;
        // The Steam detection leaves the client's key open: nothing may land there.
        auto& steam = w.registry.AddKey(RegistryRoot::CurrentUser, "Software\\Valve\\Steam");
        DetectSteam(w.mw);
        k.set(w.mw.controls);
        k.handler(w.mw);
        EXPECT_TRUE(w.registry.writes.empty());
        EXPECT_TRUE(steam.empty());
        EXPECT_FALSE(w.HasKey());
    }
}

TEST(WriteBack, RefusedWritesLeaveTheStoreAsItWas) {
    for (const HandlerCase& k : kHandlerCases) {
        SCOPED_TRACE(k.name);
        SettingsWorld w;
        w.Store("Demo", "2");
        w.MakeKeyReadOnly();
        k.set(w.mw.controls);
        k.handler(w.mw);
        EXPECT_TRUE(w.registry.writes.empty());
        EXPECT_EQ(w.registry.keys.size(), 1u);
        EXPECT_EQ(w.CreateKey().size(), 1u);
    }
}

TEST(WriteBack, RunCountAndEditionServeThisRunEvenWhenTheyCannotBeStored) {
    SettingsWorld w;
    w.mw.controls.RunNumberBox = 4;
    RunNumberBoxChange(w.mw);
    EXPECT_EQ(w.mw.RunsPerSlot, 5);
    w.mw.controls.UT3TypeBox = 1;
    StoreGameEdition(w.mw);
    EXPECT_EQ(w.mw.GameEdition, "Steam");

    w.mw.controls.UT3TypeBox = kNoItem;
    StoreGameEdition(w.mw);
    EXPECT_EQ(w.mw.GameEdition, "Steam");
}

TEST(WriteBack, BothExitPathsRestoreTheProfileFirst) {
    // A profile set aside by a batch: the restore moves the backup back.
    for (auto exitPath : {EndThroughExitPicture, EndThroughClose}) {
        SettingsWorld w;
        w.CreateKey();
        w.mw.locations.ConfigFolder = "C:\\p\\Config\\";
        w.mw.locations.StatsFolder = "C:\\p\\Stats\\";
        w.mw.locations.StatsBackupFolder = "C:\\p\\Statsold\\";
        w.mw.locations.EngineIni = "C:\\p\\Config\\UTEngine.ini";
        w.mw.locations.GameIni = "C:\\p\\Config\\UTGame.ini";
        w.files.AddFile("C:\\p\\Config\\UTEngineold.ini", "mine");
        w.files.AddFile("C:\\p\\Config\\UTEngine.ini", "tweaked");
        exitPath(w.mw);
        EXPECT_EQ(w.files.Bytes("C:\\p\\Config\\UTEngine.ini"), "mine");
        EXPECT_EQ(w.Stored("News"), "0");
    }
}

TEST(NoteEditChange, DeletingTheNoteKeepsItsLastCharacterForTheNextStart) {
    SettingsWorld w;
    w.CreateKey();
    for (const char* text : {"abc", "ab", "a", ""}) {
        w.mw.controls.NoteEdit = text;
        NoteEditChange(w.mw);
    }
    EXPECT_EQ(w.registry.writes, (Writes{"Note=abc", "Note=ab", "Note=a"}));

    SettingsWorld next;
    next.Store("Note", *w.Stored("Note"));
    NoUpdateChecker updater;
    LoadSettings(next.mw, updater);
    EXPECT_EQ(next.mw.controls.NoteEdit, "a");
}

TEST(DemoChanging, StoresTheNewChoiceAndTheNextStartSelectsIt) {
    SettingsWorld w;
    w.Store("Demo", "2");
    NoUpdateChecker updater;
    LoadSettings(w.mw, updater);
    ASSERT_EQ(w.mw.controls.demo, 1);
    w.mw.controls.demo = 4;  // the picked item is selected before the event
    demoChanging(w.mw);
    EXPECT_EQ(w.Stored("Demo"), "5");
}

TEST(NewsRule, ShowsTheNewsOncePerRunOnlyWhenArmed) {
    struct {
        std::optional<std::string> stored;
        bool due;
        std::optional<std::string> after;
    } cases[] = {
        {"0", true, "1"},
        {"1", false, "1"},
        {"", false, ""},
        {"00", false, "00"},
        {std::nullopt, false, std::nullopt},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.stored.value_or("(missing)"));
        SettingsWorld w;
        w.CreateKey();
        if (k.stored)
            w.Store("News", *k.stored);
        EXPECT_EQ(NewsDueOnActivate(w.mw), k.due);
        EXPECT_FALSE(NewsDueOnActivate(w.mw));  // a later activation
        EXPECT_EQ(w.Stored("News"), k.after);
    }
}

TEST(NewsRule, NoKeyNoNews) {
    SettingsWorld w;
    EXPECT_FALSE(NewsDueOnActivate(w.mw));
    EXPECT_FALSE(w.HasKey());
}

// The store cannot record that the news was shown; it still comes up only once.
TEST(NewsRule, RefusedWriteStillShowsTheNewsOnlyOnce) {
    SettingsWorld w;
    w.Store("News", "0");
    w.MakeKeyReadOnly();
    EXPECT_TRUE(NewsDueOnActivate(w.mw));
    EXPECT_FALSE(NewsDueOnActivate(w.mw));
    EXPECT_EQ(w.Stored("News"), "0");
}

TEST(NewsRule, AnExitRearmsItForTheNextRun) {
    SettingsWorld w;
    w.Store("News", "0");
    EXPECT_TRUE(NewsDueOnActivate(w.mw));
    EndThroughClose(w.mw);

    MainWindow nextRun(w.ports);
    EXPECT_TRUE(NewsDueOnActivate(nextRun));
}

TEST(SettingsStore, StoredSettingsListsPresentValuesInTableOrder) {
    SettingsWorld w;
    EXPECT_FALSE(StoredSettings(w.registry).has_value());
    w.Store("Sound", "");
    w.Store("Demo", "5");
    w.Store("800", "1");
    auto values = StoredSettings(w.registry);
    ASSERT_TRUE(values.has_value());
    using Pair = std::pair<std::string, std::string>;
    EXPECT_EQ(*values, (std::vector<Pair>{{"800", "1"}, {"Demo", "5"}, {"Sound", ""}}));
    EXPECT_EQ(SettingNames().size(), 27u);
    EXPECT_STREQ(SettingNames()[19], "Motion Blur");
}

}  // namespace
}  // namespace tessaro::fakes
