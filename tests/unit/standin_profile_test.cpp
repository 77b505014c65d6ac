// The stand-in game's profile: where it lives, its first-start files and the keys it reads.
#ifdef TESSARO_HAS_STANDIN_CORE
#include <gtest/gtest.h>

#include "standin/core/profile.h"

namespace tessaro::standin {
namespace {

TEST(StandinProfile, ReadsTheKeysTheBatchWrites) {
    const std::string engine =
        "[Engine.Engine]\r\nbDisablePhysXHardwareSupport=False\r\n"
        "[SystemSettings]\r\nMotionBlur=True\r\nMaxAnisotropy=16\r\n";
    const std::string game = "[Engine.HUD]\r\nbShowHud=False\r\n";
    RenderSettings s = ReadRenderSettings(engine, game);
    EXPECT_EQ(s.maxAnisotropy, 16);
    EXPECT_TRUE(s.motionBlur);
    EXPECT_TRUE(s.hardwarePhysics);
    EXPECT_FALSE(s.showHud);
}

TEST(StandinProfile, KeysAreLookedUpLikeThePrivateProfileReader) {
    struct Case {
        const char* ini;
        const char* section;
        const char* key;
        std::optional<std::string> value;
    } cases[] = {
        {"[SystemSettings]\nMaxAnisotropy=8\n", "systemsettings", "maxanisotropy", "8"},
        {"[ SystemSettings ]\n  MaxAnisotropy = 8  \n", "SystemSettings", "MaxAnisotropy", "8"},
        {"[A]\nk=1\nk=2\n", "A", "k", "1"},               // the first one wins
        {"[A]\nk=1\n[B]\nk=2\n", "B", "k", "2"},          // sections keep their keys apart
        {"k=0\n[A]\nother=1\n", "A", "k", std::nullopt},  // before any section: no section
        {"[A]\nk=\n", "A", "k", ""},
        {"[A]\n", "A", "k", std::nullopt},
        {"", "A", "k", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IniValue(c.ini, c.section, c.key), c.value) << c.ini;
    }
}

TEST(StandinProfile, UnreadableValuesKeepTheDefaults) {
    const RenderSettings defaults;
    RenderSettings s = ReadRenderSettings(
        "[SystemSettings]\nMaxAnisotropy=lots\nMotionBlur=maybe\n[Engine.Engine]\n"
        "bDisablePhysXHardwareSupport=\n",
        "[Engine.HUD]\nbShowHud=sometimes\n");
    EXPECT_EQ(s.maxAnisotropy, defaults.maxAnisotropy);
    EXPECT_EQ(s.motionBlur, defaults.motionBlur);
    EXPECT_EQ(s.hardwarePhysics, defaults.hardwarePhysics);
    EXPECT_EQ(s.showHud, defaults.showHud);
    EXPECT_EQ(ReadRenderSettings("[SystemSettings]\nMaxAnisotropy=64\n", "").maxAnisotropy, 16);
    EXPECT_EQ(ReadRenderSettings("[SystemSettings]\nMaxAnisotropy=-3\n", "").maxAnisotropy, 0);
}

TEST(StandinProfile, DefaultFilesHoldTheDefaultsAndEveryKey) {
    const std::string engine = DefaultEngineIni(), game = DefaultGameIni();
    RenderSettings s = ReadRenderSettings(engine, game);
    const RenderSettings defaults;
    EXPECT_EQ(s.maxAnisotropy, defaults.maxAnisotropy);
    EXPECT_EQ(s.motionBlur, defaults.motionBlur);
    EXPECT_EQ(s.hardwarePhysics, defaults.hardwarePhysics);
    EXPECT_EQ(s.showHud, defaults.showHud);
    EXPECT_TRUE(IniValue(engine, "SystemSettings", "MaxAnisotropy"));
    EXPECT_TRUE(IniValue(engine, "SystemSettings", "MotionBlur"));
    EXPECT_TRUE(IniValue(engine, "Engine.Engine", "bDisablePhysXHardwareSupport"));
    EXPECT_TRUE(IniValue(game, "Engine.HUD", "bShowHud"));
    EXPECT_NE(engine.find("\r\n"), std::string::npos);
}

TEST(StandinProfile, IniTextFromUtf16AndUtf8Files) {
    const std::string utf16(
        "\xFF\xFE[\0A\0]\0\r\0\n\0k\0=\0"
        "1\0",
        18);
    EXPECT_EQ(IniTextFromBytes(utf16), "[A]\r\nk=1");
    EXPECT_EQ(IniTextFromBytes("\xEF\xBB\xBF[A]"), "[A]");
    EXPECT_EQ(IniTextFromBytes("[A]"), "[A]");
}

TEST(StandinProfile, FoldersUnderTheDocumentsFolder) {
    const std::filesystem::path game =
        std::filesystem::path("/home/u/Documents") / "My Games" / "Unreal Tournament 3" / "UTGame";
    for (const char* documents :
         {"/home/u/Documents", "/home/u/Documents/", "/home/u/Documents//"}) {
        ProfileFolders folders = ProfileFoldersUnder(documents);
        EXPECT_EQ(folders.config, game / "Config") << documents;
        EXPECT_EQ(folders.stats, game / "Stats") << documents;
        EXPECT_EQ(folders.engineIni, game / "Config" / "UTEngine.ini") << documents;
        EXPECT_EQ(folders.gameIni, game / "Config" / "UTGame.ini") << documents;
    }
}

}  // namespace
}  // namespace tessaro::standin
#endif
